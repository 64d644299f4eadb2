#pragma once
// One visit reason of the settings page: its name in an edit, and an add button (first
// row) or a delete button (every further row). The identifier travels along unseen.

#include <UI/Window/BasicSetting/Data/BasicSettingData.h>

#include <QWidget>

class QPushButton;

namespace QorvaGUIToolkit {
class CValidateLineEditEx;
}

namespace visitorclient {

class ReasonItemWidget : public QWidget
{
    Q_OBJECT
public:
    enum class Kind { First, Further };
    static constexpr int kHeight = 32;
    static constexpr int kMaxNameLength = 16;

    explicit ReasonItemWidget(Kind kind, QWidget *parent = nullptr);

    void setReason(const VisitReasonData &reason);
    /// The reason as edited; the name without surrounding blanks.
    VisitReasonData reason() const;
    QorvaGUIToolkit::CValidateLineEditEx *nameEdit() const { return m_pNameEdit; }
    /// The add button of the first row, the delete button of the others.
    QPushButton *button() const { return m_pButton; }
    Kind kind() const { return m_kind; }

signals:
    void signalAdd();
    void signalDelete();

public slots:
    /// The operator left the edit: blanks around the name go.
    void onReasonChecked();
    /// The name changed: an error tip about it is out of date.
    void onTextChanged();

private:
    Kind m_kind;
    QString m_strReasonId;
    QorvaGUIToolkit::CValidateLineEditEx *m_pNameEdit = nullptr;
    QPushButton *m_pButton = nullptr;
};

} // namespace visitorclient
