#pragma once
// What the form's sections share: a caption with a required mark beside each field, the
// field settings applied to such a pair, and the "cannot be empty" tip shown a moment
// after a failed check at the field the check remembered.

#include "AppointmentFormRules.h"

#include <QPointer>
#include <QWidget>

namespace QorvaGUIToolkit {
class CLabelWithLeftPoint;
}

namespace visitorclient {

struct FormField
{
    QorvaGUIToolkit::CLabelWithLeftPoint *label = nullptr;
    QWidget *field = nullptr;

    bool isShown() const;
    bool isRequired() const;
    AppointmentFormRules::FieldState state() const;
    void apply(const AppointmentFormRules::FieldState &state);
};

class FormSection : public QWidget
{
    Q_OBJECT
public:
    /// How long a failed check waits before its tip, so the focus change settles first.
    static constexpr int kErrorDelayMs = 300;
    static constexpr int kLabelWidth = 140;

    explicit FormSection(QWidget *parent = nullptr);

    /// True when the input is acceptable; otherwise the field is focused and the reason
    /// shown (a moment later).
    virtual bool checkInput() = 0;
    /// Empties what a new appointment must not inherit from the last one.
    virtual void resetInput() = 0;

public slots:
    virtual void onBasicSettingDataChanged() = 0;
    /// The "cannot be empty" tip at the field of the last failed check.
    void showErrorState();

protected:
    /// Focuses field and shows the "cannot be empty" tip after the delay.
    void refuseEmpty(QWidget *field);
    /// Shows text as a tip at field now.
    static void showTip(QWidget *field, const QString &text);
    /// Focuses field and shows text as a tip after the delay.
    void refuseLater(QWidget *field, const QString &text);

    /// A caption for the field; the caption's object name is the field's plus "Label".
    static QorvaGUIToolkit::CLabelWithLeftPoint *newLabel(const QString &text, QWidget *field);

private:
    QPointer<QWidget> m_pErrorField;
};

} // namespace visitorclient
