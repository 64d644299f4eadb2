#include "AddAppointmentInfoWidget.h"

#include "AccessControlWidget.h"
#include "AccompanyingPersonnelWidget.h"
#include "AdditionalInfoWidget.h"
#include "AppointmentFormRules.h"
#include "BasicInfoWidget.h"
#include "TitleContent.h"

#include <QorvaGUIToolkit/CScrollArea.h>

#include <QDateTime>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

const char *const kTimeFormat = "yyyy-MM-dd HH:mm:ss";
const int kScrollMargin = 50;

} // namespace

AddAppointmentInfoWidget::AddAppointmentInfoWidget(QWidget *parent) : BaseWidget(parent)
{
    setObjectName(QStringLiteral("AddAppointmentInfo_Widget"));
    registerAppointmentInfoDataMetaTypes();

    m_pBasicInfo = new BasicInfoWidget;
    m_pAccessControl = new AccessControlWidget;
    m_pAccompanying = new AccompanyingPersonnelWidget;
    m_pAdditionalInfo = new AdditionalInfoWidget;

    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("AddAppointmentInfoContent"));
    auto *sections = new QVBoxLayout(content);
    sections->setContentsMargins(0, 0, 16, 0);
    sections->setSpacing(24);
    sections->addWidget(new TitleContent(tr("BasicInformation"), m_pBasicInfo));
    sections->addWidget(new TitleContent(tr("AccessControl"), m_pAccessControl));
    sections->addWidget(new TitleContent(tr("ExtendedAttributesdfakEsJd"), m_pAdditionalInfo));
    sections->addItem(new QSpacerItem(20, 500, QSizePolicy::Minimum, QSizePolicy::Expanding));
    // Created for its value only: not placed, not shown.
    m_pAccompanyingTitle = new TitleContent(tr("EntourageIfcofipn"), m_pAccompanying, this);
    m_pAccompanyingTitle->setFolded(true);
    m_pAccompanyingTitle->hide();

    m_pScrollArea = new QorvaGUIToolkit::CScrollArea(contentWidget());
    m_pScrollArea->setObjectName(QStringLiteral("AddAppointmentScrollArea"));
    m_pScrollArea->setWidgetResizable(true);
    m_pScrollArea->setWidget(content);
    auto *area = new QVBoxLayout(contentWidget());
    area->setContentsMargins(0, 0, 0, 0);
    area->addWidget(m_pScrollArea);
    textLabel()->hide();

    m_pAddAndNewBtn = new QPushButton(tr("AddAndNew"), this);
    m_pAddAndNewBtn->setObjectName(QStringLiteral("AddAndNewBtn"));
    m_pAddAndNewBtn->setProperty("buttonRole", QStringLiteral("secondary"));
    confirmButton()->setText(tr("Save"));
    confirmButton()->setObjectName(QStringLiteral("SaveBtn"));
    cancelButton()->setObjectName(QStringLiteral("CancelBtn"));
    // The three buttons sit together at the bottom right.
    if (auto *buttons =
            confirmButton()->parentWidget() == this
                ? qobject_cast<QHBoxLayout *>(layout()->itemAt(layout()->count() - 1)->layout())
                : nullptr)
        buttons->insertWidget(buttons->indexOf(confirmButton()), m_pAddAndNewBtn);

    connect(m_pAddAndNewBtn, &QPushButton::clicked, this, &AddAppointmentInfoWidget::onAddAndNew);
    connect(confirmButton(), &QPushButton::clicked, this, &AddAppointmentInfoWidget::onSave);
    connect(cancelButton(), &QPushButton::clicked, this, &AddAppointmentInfoWidget::onCancel);
}

void AddAppointmentInfoWidget::setData(const AppointmentInfoData &info)
{
    m_pAddAndNewBtn->setVisible(info.strId.isEmpty());
    m_strId = info.strId;

    m_pBasicInfo->setName(info.strName);
    m_pBasicInfo->setGender(info.iGender == 2 ? 2 : 1);
    m_pBasicInfo->setPhone(info.strPhone);
    const QDate today = QDate::currentDate();
    const QDateTime visit =
        info.strVisitTime.isEmpty()
            ? AppointmentFormRules::defaultVisitTime(today)
            : QDateTime::fromString(info.strVisitTime, QString::fromLatin1(kTimeFormat));
    QDateTime leave;
    if (info.strLeaveTime.isEmpty()) {
        leave = AppointmentFormRules::defaultLeaveTime(today);
        m_pBasicInfo->selectFirstReason();
    } else {
        leave = QDateTime::fromString(info.strLeaveTime, QString::fromLatin1(kTimeFormat));
    }
    m_pBasicInfo->setTimes(visit, leave);
    m_pBasicInfo->setReason(info.strVisitReason, info.strVisitReasonId);
    m_pBasicInfo->setReceptionist(info.strReceptionistId, info.strReceptionistName);
    if (m_pBasicInfo->organization().isEmpty() && !info.strReceptionistId.isEmpty())
        m_pBasicInfo->setOrganization(info.strOrganization);
    m_pAccompanying->setCount(info.iAccompanyingNumber);
    m_pAccessControl->reloadGroups();
    m_pAccessControl->setGroups(info.strAccessGroupGuids);

    m_pAdditionalInfo->setDocumentType(info.iIdentityType);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::IdentityCodeRow, info.strIdentityCode);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::PlateRow, info.strPlateCode);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::CompanyRow, info.strCompany);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::BelongingsRow, info.strBelongings);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::AddressRow, info.strAddress);
    m_pAdditionalInfo->setText(AdditionalInfoWidget::RemarkRow, info.strRemark);
    m_info = info;
    m_pScrollArea->verticalScrollBar()->setValue(0);
}

AppointmentInfoData AddAppointmentInfoWidget::collectData() const
{
    AppointmentInfoData data = m_info;
    data.strId = m_strId;
    data.strName = m_pBasicInfo->name();
    data.iGender = m_pBasicInfo->gender();
    data.strPhone = m_pBasicInfo->phone();
    data.strVisitTime = m_pBasicInfo->visitTimeText();
    data.strLeaveTime = m_pBasicInfo->leaveTimeText();
    data.strVisitReason = m_pBasicInfo->reasonText();
    data.strVisitReasonId = m_pBasicInfo->reasonGuid();
    data.strReceptionistName = m_pBasicInfo->receptionistName();
    data.strReceptionistId = m_pBasicInfo->receptionistGuid();
    data.strOrganization = m_pBasicInfo->organization();
    data.strAccessGroupGuids = m_pAccessControl->checkedGuids();
    data.strAccessGroupNames = m_pAccessControl->checkedNames();
    data.iAccompanyingNumber = m_pAccompanying->count();
    data.iIdentityType = m_pAdditionalInfo->documentType();
    data.strIdentityCode = m_pAdditionalInfo->text(AdditionalInfoWidget::IdentityCodeRow);
    data.strPlateCode = m_pAdditionalInfo->text(AdditionalInfoWidget::PlateRow);
    data.strCompany = m_pAdditionalInfo->text(AdditionalInfoWidget::CompanyRow);
    data.strBelongings = m_pAdditionalInfo->text(AdditionalInfoWidget::BelongingsRow);
    data.strAddress = m_pAdditionalInfo->text(AdditionalInfoWidget::AddressRow);
    data.strRemark = m_pAdditionalInfo->text(AdditionalInfoWidget::RemarkRow);
    return data;
}

bool AddAppointmentInfoWidget::checkSections()
{
    for (FormSection *section : std::initializer_list<FormSection *>{
             m_pBasicInfo, m_pAccessControl, m_pAccompanying, m_pAdditionalInfo}) {
        if (!section->checkInput()) {
            if (!section->isHidden())
                m_pScrollArea->ensureWidgetVisible(section, kScrollMargin, kScrollMargin);
            return false;
        }
    }
    return true;
}

void AddAppointmentInfoWidget::resetSections()
{
    m_pScrollArea->verticalScrollBar()->setValue(0);
    m_pBasicInfo->resetInput();
    m_pAccompanying->resetInput();
    m_pAdditionalInfo->resetInput();
}

void AddAppointmentInfoWidget::onSave()
{
    if (!checkSections())
        return;
    const AppointmentInfoData data = collectData();
    emit signalSave(data);
    resetSections();
}

void AddAppointmentInfoWidget::onAddAndNew()
{
    if (!checkSections())
        return;
    const AppointmentInfoData data = collectData();
    emit signalAddAndNew(data);
    resetSections();
}

void AddAppointmentInfoWidget::onCancel()
{
    emit signalCancel();
}

void AddAppointmentInfoWidget::onBasicSettingChanged(const BasicSettingData &setting)
{
    m_pBasicInfo->applySettings(setting);
}

void AddAppointmentInfoWidget::onAccessPointDataChanged(const QMap<QString, QString> &)
{
    const QString checked = m_pAccessControl->checkedGuids();
    m_pAccessControl->reloadGroups();
    if (!checked.isEmpty())
        m_pAccessControl->setGroups(checked);
}

} // namespace visitorclient
