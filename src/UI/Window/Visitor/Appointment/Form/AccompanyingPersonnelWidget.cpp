#include "AccompanyingPersonnelWidget.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>

#include <QorvaGUIToolkit/CIntValidator.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>

#include <QGridLayout>
#include <QLineEdit>

namespace visitorclient {

AccompanyingPersonnelWidget::AccompanyingPersonnelWidget(QWidget *parent) : FormSection(parent)
{
    setObjectName(QStringLiteral("AccompanyingPersonnel_Widget"));
    m_pCountEdit = new QLineEdit;
    m_pCountEdit->setObjectName(QStringLiteral("AccompanyingEdit"));
    m_pCountEdit->setValidator(new QorvaGUIToolkit::CIntValidator(0, 99, m_pCountEdit));
    m_field = {newLabel(tr("TheNumberOfDGXHXSVX"), m_pCountEdit), m_pCountEdit};
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_field.label, 0, 0);
    grid->addWidget(m_pCountEdit, 0, 1);
    connect(&AppointmentSettingManager::Instance(),
            &AppointmentSettingManager::signalBasicSettingDataChanged, this,
            &AccompanyingPersonnelWidget::onBasicSettingDataChanged);
    onBasicSettingDataChanged();
}

bool AccompanyingPersonnelWidget::checkInput()
{
    // The form keeps this section hidden; a field the operator cannot see is not checked.
    if (!isHidden() && m_field.isShown() && m_field.isRequired() &&
        m_pCountEdit->text().isEmpty()) {
        refuseEmpty(m_pCountEdit);
        return false;
    }
    return true;
}

void AccompanyingPersonnelWidget::resetInput()
{
    m_pCountEdit->clear();
}

void AccompanyingPersonnelWidget::setCount(int count)
{
    m_pCountEdit->setText(QString::number(count));
}

int AccompanyingPersonnelWidget::count() const
{
    return m_pCountEdit->text().toInt();
}

void AccompanyingPersonnelWidget::onBasicSettingDataChanged()
{
    const BasicSettingData data = AppointmentSettingManager::Instance().getBasicSettingData();
    m_field.apply(AppointmentFormRules::otherFieldState(data.vecAccompanyingPersonnelNumber,
                                                        m_field.state()));
}

} // namespace visitorclient
