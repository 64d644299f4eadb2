#pragma once
// Model of a multi-choice combo box: checkable items whose ticked texts are combined.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStandardItemModel>
#include <QStringList>

namespace QorvaGUIToolkit {

/// QStandardItemModel of checkable items (one column). Whenever a check state changes,
/// SignalCombinationChanged carries the texts of the ticked items joined with the
/// separator (default ","), in row order.
class QORVAGUITOOLKIT_EXPORT CCombination_Model : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit CCombination_Model(QObject *parent = nullptr);

    /// Appends an unticked checkable item; returns its row.
    int AddItem(const QString &text, const QVariant &data = QVariant(), int role = Qt::UserRole);
    void SetSeparator(const QString &separator);
    QString Separator() const { return m_separator; }
    QStringList CheckedTexts() const;
    /// Data under role of the ticked items, in row order.
    QVariantList CheckedData(int role = Qt::UserRole) const;
    QString CombinedText() const;
    /// Ticks or unticks every item.
    void SetAllChecked(bool checked);

signals:
    void SignalCombinationChanged(const QString &text);

private:
    QString m_separator = QStringLiteral(",");
    bool m_bulk = false;
};

} // namespace QorvaGUIToolkit
