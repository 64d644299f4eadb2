#include "BasicInfoWidget.h"

#include "PersonComboBox.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>

#include <UiDataController/ModelRoles.h>
#include <UiDataController/OrganizationManagerModel.h>

#include <QorvaGUIToolkit/CComboBox.h>
#include <QorvaGUIToolkit/CDateTimeEdit.h>
#include <QorvaGUIToolkit/CLabelWithLeftPoint.h>
#include <QorvaGUIToolkit/CRegExpValidator.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegExpValidator>
#include <QStandardItemModel>

namespace visitorclient {

namespace {

const char *const kTimeFormat = "yyyy-MM-dd hh:mm:ss";
const int kNameLength = 32;

template <class T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

BasicInfoWidget::BasicInfoWidget(QWidget *parent) : FormSection(parent)
{
    setObjectName(QStringLiteral("BasicInfo_Widget"));

    auto *nameEdit = named(new QorvaGUIToolkit::CValidateLineEditEx, "NameEdit");
    nameEdit->setValidator(new QorvaGUIToolkit::CRegExpValidator(kNameLength, nameEdit));
    m_pNameEdit = nameEdit;

    m_pGenderBox = named(new QWidget, "GenderBox");
    m_pMaleBtn = named(new QRadioButton(tr("Male")), "MaleBtn");
    m_pFemaleBtn = named(new QRadioButton(tr("Female")), "FemaleBtn");
    auto *genderGroup = new QButtonGroup(m_pGenderBox);
    genderGroup->addButton(m_pMaleBtn);
    genderGroup->addButton(m_pFemaleBtn);
    auto *genderLayout = new QHBoxLayout(m_pGenderBox);
    genderLayout->setContentsMargins(0, 0, 0, 0);
    genderLayout->setSpacing(24);
    genderLayout->addWidget(m_pMaleBtn);
    genderLayout->addWidget(m_pFemaleBtn);
    genderLayout->addStretch(1);
    m_pMaleBtn->setChecked(true);

    m_pPhoneEdit = named(new QorvaGUIToolkit::CValidateLineEditEx, "PhoneEdit");
    m_pPhoneEdit->setValidator(
        new QRegExpValidator(QRegExp(QStringLiteral("^[0-9]{1,11}$")), m_pPhoneEdit));

    m_pVisitEdit = named(new QorvaGUIToolkit::CDateTimeEdit, "VisitTimeEdit");
    m_pLeaveEdit = named(new QorvaGUIToolkit::CDateTimeEdit, "LeaveTimeEdit");

    m_pReasonModel = new QStandardItemModel(this);
    m_pReasonBox = named(new QorvaGUIToolkit::CComboBox, "ReasonBox");
    m_pReasonBox->setModel(m_pReasonModel);

    m_pReceptionistBox = named(new PersonComboBox, "ReceptionistBox");
    m_pOrgModel = new UiDataController::OrganizationManagerModel(
        std::make_shared<clientcommonlogical::OrganizationManagerDelegate>(
            clientcommonlogical::OrganizationManagerDelegate::OrganizationsAndPersons),
        this);
    m_pReceptionistBox->SetModel(m_pOrgModel);

    m_pOrganizationEdit = named(new QLineEdit, "OrganizationEdit");
    m_pOrganizationEdit->setEnabled(false);

    const QString labels[RowCount] = {tr("PersonName"),
                                      tr("Gender"),
                                      tr("MobilePhoneNumber"),
                                      tr("EstimatedTimeOfVisitTDpmssKL"),
                                      tr("EstimatedTimeOfDeparNPEjYRqn"),
                                      tr("VisitingReasontnaiesDc"),
                                      tr("TheReceptionistfXJPXQpw"),
                                      tr("Organisation")};
    QWidget *const fields[RowCount] = {m_pNameEdit,        m_pGenderBox,       m_pPhoneEdit,
                                       m_pVisitEdit,       m_pLeaveEdit,       m_pReasonBox,
                                       m_pReceptionistBox, m_pOrganizationEdit};
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(16);
    grid->setColumnStretch(1, 1);
    for (int row = 0; row < RowCount; ++row) {
        fields[row]->setMinimumHeight(28);
        m_fields[row] = {newLabel(labels[row], fields[row]), fields[row]};
        grid->addWidget(m_fields[row].label, row, 0);
        grid->addWidget(fields[row], row, 1);
    }

    applySettings(AppointmentSettingManager::Instance().getBasicSettingData());
    selectFirstReason();

    connect(m_pReceptionistBox, &PersonComboBox::SignalCurrentIndexChanged, this,
            &BasicInfoWidget::onReceptionistChanged);
    connect(&AppointmentSettingManager::Instance(),
            &AppointmentSettingManager::signalBasicSettingDataChanged, this,
            &BasicInfoWidget::onBasicSettingDataChanged);
    connect(m_pVisitEdit, &QDateTimeEdit::dateTimeChanged, this,
            &BasicInfoWidget::onVisitTimeChanged);
    connect(m_pLeaveEdit, &QDateTimeEdit::dateTimeChanged, this,
            &BasicInfoWidget::onLeaveTimeChanged);
}

BasicInfoWidget::~BasicInfoWidget() = default;

void BasicInfoWidget::applySettings(const BasicSettingData &data)
{
    fillReasons(data.vecVisitReasons);
    m_iAppointmentDay = data.appointmentDay;
    applyFieldSettings(data);
}

void BasicInfoWidget::fillReasons(const QVector<VisitReasonData> &reasons)
{
    const QString current = reasonGuid();
    m_pReasonModel->clear();
    for (const VisitReasonData &reason : reasons) {
        auto *item = new QStandardItem(reason.strReasonName);
        item->setData(reason.strReasonId, kReasonGuidRole);
        m_pReasonModel->appendRow(item);
    }
    // A reason that survived the change stays chosen.
    setReason(QString(), current);
    if (m_pReasonBox->currentIndex() < 0)
        selectFirstReason();
}

void BasicInfoWidget::applyFieldSettings(const BasicSettingData &data)
{
    const QVector<int> *settings[RowCount] = {&data.vecName,
                                              &data.vecGender,
                                              &data.vecPhone,
                                              &data.vecVisitExpectTime,
                                              &data.vecLeaveExpectTime,
                                              &data.vecVisitReason,
                                              &data.vecReceptionist,
                                              &data.vecOrganization};
    for (int row = 0; row < RowCount; ++row)
        m_fields[row].apply(AppointmentFormRules::basicFieldState(*settings[row]));
}

void BasicInfoWidget::onBasicSettingDataChanged()
{
    applySettings(AppointmentSettingManager::Instance().getBasicSettingData());
}

void BasicInfoWidget::onLeaveTimeChanged(QDateTime) {}

void BasicInfoWidget::onVisitTimeChanged(QDateTime) {}

void BasicInfoWidget::onReceptionistChanged(QModelIndex qmIndex)
{
    m_strKeptReceptionistId.clear();
    if (qmIndex.data(UiDataController::NodeTypeRole).toInt() ==
        UiDataController::OrganizationNode) {
        m_pReceptionistBox->SetCurrentIndex(QModelIndex());
        m_pOrganizationEdit->clear();
        return;
    }
    if (!qmIndex.isValid()) {
        m_pOrganizationEdit->clear();
        return;
    }
    if (qmIndex.parent().isValid())
        m_pOrganizationEdit->setText(
            qmIndex.parent().data(UiDataController::OrganizationNameRole).toString());
}

bool BasicInfoWidget::checkInput()
{
    using namespace AppointmentFormRules;
    BasicInput input;
    input.name = name();
    input.nameRequired = m_fields[NameRow].isShown() && m_fields[NameRow].isRequired();
    input.phone = phone();
    input.phoneRequired = m_fields[PhoneRow].isShown() && m_fields[PhoneRow].isRequired();
    input.visit = visitTime();
    input.leave = leaveTime();
    input.visitText = visitTimeText();
    input.visitShown = m_fields[VisitRow].isShown();
    input.visitRequired = m_fields[VisitRow].isRequired();
    input.leaveText = leaveTimeText();
    input.leaveShown = m_fields[LeaveRow].isShown();
    input.leaveRequired = m_fields[LeaveRow].isRequired();
    input.receptionist = receptionistName();
    input.receptionistShown = m_fields[ReceptionistRow].isShown();
    input.receptionistRequired = m_fields[ReceptionistRow].isRequired();
    input.organization = organization();
    input.organizationShown = m_fields[OrganizationRow].isShown();
    input.organizationRequired = m_fields[OrganizationRow].isRequired();
    input.now = m_now.isValid() ? m_now : QDateTime::currentDateTime();
    input.bookingDays = m_iAppointmentDay;

    switch (checkBasic(input)) {
    case BasicCheck::Ok:
        return true;
    case BasicCheck::NameEmpty:
        refuseEmpty(m_pNameEdit);
        break;
    case BasicCheck::PhoneEmpty:
        refuseEmpty(m_pPhoneEdit);
        break;
    case BasicCheck::BeyondBookingDays:
        showTip(m_pVisitEdit, tr("MoreThanTheTimeAllowkMFWnemh"));
        break;
    case BasicCheck::VisitAfterLeave:
        showTip(m_pVisitEdit, tr("LeaveNoEarlierThanThKTbkwBiG"));
        break;
    case BasicCheck::VisitEmpty:
        showTip(m_pVisitEdit, tr("CannotBeEmpty"));
        break;
    case BasicCheck::LeaveEmpty:
        showTip(m_pLeaveEdit, tr("CannotBeEmpty"));
        break;
    case BasicCheck::ReceptionistEmpty:
        showTip(m_pReceptionistBox, tr("CannotBeEmpty"));
        break;
    case BasicCheck::OrganizationEmpty:
        refuseEmpty(m_pOrganizationEdit);
        break;
    }
    return false;
}

void BasicInfoWidget::resetInput()
{
    m_pNameEdit->clear();
    m_pPhoneEdit->clear();
    m_pMaleBtn->setChecked(true);
}

void BasicInfoWidget::setName(const QString &name)
{
    m_pNameEdit->setText(name);
}

QString BasicInfoWidget::name() const
{
    return m_pNameEdit->text();
}

void BasicInfoWidget::setGender(int gender)
{
    (gender == 1 ? m_pMaleBtn : m_pFemaleBtn)->setChecked(true);
}

int BasicInfoWidget::gender() const
{
    return m_pMaleBtn->isChecked() ? 1 : 2;
}

void BasicInfoWidget::setPhone(const QString &phone)
{
    m_pPhoneEdit->setText(phone);
}

QString BasicInfoWidget::phone() const
{
    return m_pPhoneEdit->text();
}

void BasicInfoWidget::setTimes(const QDateTime &visit, const QDateTime &leave)
{
    m_pVisitEdit->setDateTime(visit);
    m_pLeaveEdit->setDateTime(leave);
}

QDateTime BasicInfoWidget::visitTime() const
{
    return m_pVisitEdit->dateTime();
}

QDateTime BasicInfoWidget::leaveTime() const
{
    return m_pLeaveEdit->dateTime();
}

QString BasicInfoWidget::visitTimeText() const
{
    return m_pVisitEdit->dateTime().toString(QString::fromLatin1(kTimeFormat));
}

QString BasicInfoWidget::leaveTimeText() const
{
    return m_pLeaveEdit->dateTime().toString(QString::fromLatin1(kTimeFormat));
}

void BasicInfoWidget::setReason(const QString &text, const QString &guid)
{
    if (!text.isEmpty())
        m_pReasonBox->setCurrentText(text);
    for (int row = 0; row < m_pReasonModel->rowCount(); ++row) {
        if (m_pReasonModel->item(row)->data(kReasonGuidRole).toString() == guid) {
            m_pReasonBox->setCurrentIndex(row);
            return;
        }
    }
}

void BasicInfoWidget::selectFirstReason()
{
    m_pReasonBox->setCurrentIndex(m_pReasonModel->rowCount() > 0 ? 0 : -1);
}

QString BasicInfoWidget::reasonText() const
{
    return m_pReasonBox->currentText();
}

QString BasicInfoWidget::reasonGuid() const
{
    return m_pReasonBox->currentData(kReasonGuidRole).toString();
}

void BasicInfoWidget::setReceptionist(const QString &personGuid, const QString &name)
{
    const QModelIndex index = m_pOrgModel->findPersonIndexByGuid(personGuid.toStdString());
    m_pReceptionistBox->SetCurrentIndex(index);
    onReceptionistChanged(index);
    if (!index.isValid() && !personGuid.isEmpty()) {
        m_pReceptionistBox->SetText(name);
        m_strKeptReceptionistId = personGuid;
    }
}

QString BasicInfoWidget::receptionistName() const
{
    return m_pReceptionistBox->GetText();
}

QString BasicInfoWidget::receptionistGuid() const
{
    const QModelIndex index = m_pReceptionistBox->GetCurrentIndex();
    if (!index.isValid())
        return m_strKeptReceptionistId;
    return index.data(UiDataController::PersonGuidRole).toString();
}

QString BasicInfoWidget::organization() const
{
    return m_pOrganizationEdit->text();
}

} // namespace visitorclient

namespace visitorclient {

void BasicInfoWidget::setOrganization(const QString &organization)
{
    m_pOrganizationEdit->setText(organization);
}

} // namespace visitorclient
