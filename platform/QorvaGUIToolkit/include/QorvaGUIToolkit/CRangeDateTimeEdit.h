#pragma once
// Field holding a begin-end date-time range, or nothing.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QDateTime>
#include <QLineEdit>

class QAction;
class QDateTimeEdit;
class QFrame;

namespace QorvaGUIToolkit {

/// Read-only field showing "begin - end" in the display format (default
/// "yyyy-MM-dd hh:mm:ss"), or empty text when no range is set. The calendar button
/// opens a popup with two date-time edits (begin cannot pass end) and OK; the delete
/// icon, when shown, empties the field. An empty field means "no bound": GetBeginDateTime
/// and GetEndDateTime then give invalid date-times. QLineEdit::clear() empties the range
/// too, and setText() of a "begin - end" text in the display format sets it (other text
/// is refused). GUI thread only.
class QORVAGUITOOLKIT_EXPORT CRangeDateTimeEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CRangeDateTimeEdit(QWidget *parent = nullptr);

    /// The range the popup proposes while the field is empty; also sets the field.
    void SetDefaultDateTime(const QDateTime &begin, const QDateTime &end);
    /// Sets the range; begin and end are swapped when begin is later; both are clamped
    /// to the limits; an invalid begin or end empties the field.
    void SetDateTimeRange(const QDateTime &begin, const QDateTime &end);
    QDateTime GetBeginDateTime() const;
    QDateTime GetEndDateTime() const;
    bool IsEmpty() const { return !m_begin.isValid(); }
    /// Empties the field (same as the delete icon).
    void Clear();

    /// Earliest and latest date-times that can be chosen (default: no limit).
    void SetDateTimeLimits(const QDateTime &minimum, const QDateTime &maximum);
    void SetDisplayFormat(const QString &format);
    QString DisplayFormat() const { return m_format; }
    void SetDeleteIconVisible(bool visible);
    bool IsDeleteIconVisible() const;

    /// Opens the popup editor under the field.
    void ShowPopup();
    /// The popup (null until first shown); for tests and styling.
    QFrame *Popup() const { return m_pPopup; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

signals:
    /// The range changed (both invalid when emptied).
    void SignalDateTimeRangeChanged(const QDateTime &begin, const QDateTime &end);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void updateText();
    QString rangeText() const;
    void onTextChanged(const QString &text);
    void createPopup();
    void acceptPopup();
    QDateTime clamp(const QDateTime &value) const;

    QDateTime m_begin;
    QDateTime m_end;
    QDateTime m_defaultBegin;
    QDateTime m_defaultEnd;
    QDateTime m_minimum;
    QDateTime m_maximum;
    QString m_format = QStringLiteral("yyyy-MM-dd hh:mm:ss");
    QAction *m_pCalendarAction = nullptr;
    QAction *m_pDeleteAction = nullptr;
    QFrame *m_pPopup = nullptr;
    QDateTimeEdit *m_pBeginEdit = nullptr;
    QDateTimeEdit *m_pEndEdit = nullptr;
    bool m_updatingText = false;
};

} // namespace QorvaGUIToolkit
