#include "AccessControlWidget.h"

#include "AccessGroupPointModel.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>

#include <JSONStruct/accessgroup/VisitAccessGroupQueryResponseData.h>

#include <CommunicationLayer/AccessGroupPointComm.h>

#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CMultilevelComboBox.h>

#include <Base/Log.h>

#include <QGridLayout>

namespace visitorclient {

AccessControlWidget::AccessControlWidget(QWidget *parent) : FormSection(parent)
{
    setObjectName(QStringLiteral("AccessControl_Widget"));
    m_pModel = new AccessGroupPointModel(this);
    m_pBox = new QorvaGUIToolkit::CMultilevelComboBox;
    m_pBox->setObjectName(QStringLiteral("AccessGroupBox"));
    m_pBox->setMinimumHeight(28);
    m_pBox->SetMultiSelect(true);
    m_pBox->SetModel(m_pModel);
    m_field = {newLabel(tr("AccessRightsGroupIHwNecpAbY"), m_pBox), m_pBox};

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setColumnStretch(1, 1);
    grid->addWidget(m_field.label, 0, 0);
    grid->addWidget(m_pBox, 0, 1);

    connect(m_pModel, &AccessGroupPointModel::signalSelectDataChanged, this,
            &AccessControlWidget::onSelectDataChanged);
    connect(m_pBox, &QorvaGUIToolkit::CMultilevelComboBox::SignalCurrentIndexPressed, this,
            &AccessControlWidget::onCurrentIndexPressed);
    connect(m_pBox, &QorvaGUIToolkit::CMultilevelComboBox::SignalCurrentIndexChanged, this,
            &AccessControlWidget::onCurrentIndexChanged);
    connect(&AppointmentSettingManager::Instance(),
            &AppointmentSettingManager::signalBasicSettingDataChanged, this,
            &AccessControlWidget::onBasicSettingDataChanged);
    onBasicSettingDataChanged();
}

void AccessControlWidget::reloadGroups()
{
    m_pBox->SetText(QString());
    m_pModel->clear();
    protocol::VisitAccessGroupQueryResponseData answer;
    if (!commlayer::AccessGroupPointComm::getAccessGroups(answer)) {
        LOG_WARN("getAccessGroups failed");
        return;
    }
    for (const auto &group : answer.visitAccessGroupQueryResponse)
        m_pModel->addGroup(QString::fromStdString(group.accessGroupGuid),
                           QString::fromStdString(group.name), group.defaultGroup != 0);
}

void AccessControlWidget::setGroups(const QString &guids)
{
    m_pModel->checkGroups(guids);
    m_pBox->SetText(checkedNames());
}

QString AccessControlWidget::checkedGuids() const
{
    return m_pModel->checkedGuids().join(QLatin1Char(','));
}

QString AccessControlWidget::checkedNames() const
{
    return m_pModel->checkedNames().join(QLatin1Char(','));
}

bool AccessControlWidget::checkInput()
{
    if (m_field.isShown() && m_field.isRequired() && m_pBox->GetText().isEmpty()) {
        refuseEmpty(m_pBox);
        return false;
    }
    return true;
}

void AccessControlWidget::onBasicSettingDataChanged()
{
    const BasicSettingData data = AppointmentSettingManager::Instance().getBasicSettingData();
    m_field.apply(AppointmentFormRules::otherFieldState(data.vecAccessPointGroup, m_field.state()));
}

void AccessControlWidget::onSelectDataChanged(QString strText)
{
    m_pBox->SetText(strText);
}

void AccessControlWidget::onCurrentIndexChanged(QModelIndex)
{
    m_pBox->SetText(checkedNames());
}

void AccessControlWidget::onCurrentIndexPressed(QModelIndex index)
{
    m_pBox->SetText(QString());
    if (index.isValid())
        m_pModel->toggle(index.row());
    m_pBox->SetText(checkedNames());
}

} // namespace visitorclient
