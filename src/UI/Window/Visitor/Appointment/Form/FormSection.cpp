#include "FormSection.h"

#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CToolTip.h>

#include <QTimer>

namespace visitorclient {

bool FormField::isShown() const
{
    return !field->isHidden();
}

bool FormField::isRequired() const
{
    return label->isLeftPointVisible();
}

AppointmentFormRules::FieldState FormField::state() const
{
    return {isShown(), isRequired()};
}

void FormField::apply(const AppointmentFormRules::FieldState &state)
{
    label->setVisible(state.shown);
    field->setVisible(state.shown);
    label->setLeftPointVisible(state.required);
}

FormSection::FormSection(QWidget *parent) : QWidget(parent) {}

void FormSection::showErrorState()
{
    if (m_pErrorField)
        showTip(m_pErrorField, tr("CannotBeEmpty"));
}

void FormSection::refuseEmpty(QWidget *field)
{
    field->setFocus();
    m_pErrorField = field;
    QTimer::singleShot(kErrorDelayMs, this, &FormSection::showErrorState);
}

void FormSection::showTip(QWidget *field, const QString &text)
{
    QorvaGUIToolkit::CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, field);
}

void FormSection::refuseLater(QWidget *field, const QString &text)
{
    field->setFocus();
    QPointer<QWidget> target(field);
    QTimer::singleShot(kErrorDelayMs, this, [target, text] {
        if (target)
            showTip(target, text);
    });
}

QorvaGUIToolkit::CLabelWithLeftPoint *FormSection::newLabel(const QString &text, QWidget *field)
{
    auto *label = new QorvaGUIToolkit::CLabelWithLeftPoint(text);
    label->setObjectName(field->objectName() + QStringLiteral("Label"));
    label->setBuddy(field);
    // One caption width in every section keeps the fields of the form in one column.
    label->setFixedWidth(kLabelWidth);
    return label;
}

} // namespace visitorclient
