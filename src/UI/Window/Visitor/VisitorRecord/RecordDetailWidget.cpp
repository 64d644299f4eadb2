#include "RecordDetailWidget.h"

#include "ErrorInformationModel.h"
#include "VisitorRecordRules.h"

#include <UI/Window/Application/WindowPointers.h>
#include <UI/Window/Common/BatchResultDialog.h>
#include <UI/Window/Common/DisplayTexts.h>

#include <JSONStruct/visitorrecord/VisitorErrorRecordResponseData.h>

#include <CommunicationLayer/RecordComm.h>

#include <QorvaGUIToolkit/CScrollArea.h>
#include <QorvaGUIToolkit/CSecondaryButton.h>
#include <QorvaGUIToolkit/CVerScrollBar.h>

#include <Base/Log.h>

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace visitorclient {

namespace {

const char kErrorDetailKey[] = QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "WuvGADlh");
const int kCaptionWidth = 112;

QString orDash(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("-") : text;
}

} // namespace

const QVector<QPair<const char *, QVector<const char *>>> &RecordDetailWidget::sections()
{
    static const QVector<QPair<const char *, QVector<const char *>>> kSections = {
        {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "BasicInformation"),
         {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "TheName"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "Gender"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "MobilePhoneNumber"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "ReservationCodegaDDkHCJ"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "EstimatedTimeOfVisitTDpmssKL"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "EstimatedTimeOfDeparNPEjYRqn"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "TheVisitingTimedHeettrt"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "VisitingReasontnaiesDc"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "TheReceptionistfXJPXQpw"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "Organization")}},
        {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "AccessControlBpkrjxFa"),
         {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "AccessRightsGroupIHwNecpAbY"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "AuthorizationTypexnjfHIoj"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "Card NO."),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "ApplyingPermissionSettings"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "FacePictureQuantity")}},
        {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "EntourageIfcofipn"),
         {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "NumberOfEntourageceknhIrC")}},
        {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "ExtendedAttributesdfakEsJd"),
         {QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "DocumentType"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "IDNo"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "LicensePlaBBlHEgez"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "VisitorsToTheUnitFuJDwyci"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "ArticlesCarriedByEJpEumGr"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "VisitorsToTheAddressEUeKPrCO"),
          QT_TRANSLATE_NOOP("visitorclient::RecordDetailWidget", "Remark")}},
    };
    return kSections;
}

QHash<QString, QString> RecordDetailWidget::fieldValues(const VisitorRecordData &r)
{
    const bool hasFace = !r.strFaceImageUrl.isEmpty() && r.strFaceImageUrl != QLatin1String("-");
    return {
        {QStringLiteral("TheName"), orDash(r.strName)},
        {QStringLiteral("Gender"), CDisplayTexts::gender(r.iGender)},
        {QStringLiteral("MobilePhoneNumber"), orDash(r.strPhone)},
        {QStringLiteral("ReservationCodegaDDkHCJ"), orDash(r.strAuthCode)},
        {QStringLiteral("EstimatedTimeOfVisitTDpmssKL"), orDash(r.strAppointmentVisitTime)},
        {QStringLiteral("EstimatedTimeOfDeparNPEjYRqn"), orDash(r.strAppointmentLeaveTime)},
        {QStringLiteral("TheVisitingTimedHeettrt"), orDash(r.strVisitTime)},
        {QStringLiteral("VisitingReasontnaiesDc"),
         orDash(CDisplayTexts::visitReason(r.strVisitReason))},
        {QStringLiteral("TheReceptionistfXJPXQpw"), orDash(r.strReceptionistName)},
        {QStringLiteral("Organization"), orDash(r.strOrganization)},
        {QStringLiteral("AccessRightsGroupIHwNecpAbY"), orDash(r.strAccessGroupNames)},
        {QStringLiteral("AuthorizationTypexnjfHIoj"),
         orDash(CDisplayTexts::credentialKinds(r.strAuthType))},
        {QStringLiteral("Card NO."), orDash(r.strCardNo)},
        {QStringLiteral("ApplyingPermissionSettings"),
         CDisplayTexts::downloadResult(r.iDownloadResult)},
        {QStringLiteral("FacePictureQuantity"),
         hasFace ? QStringLiteral("1") : QStringLiteral("-")},
        {QStringLiteral("NumberOfEntourageceknhIrC"), QString::number(r.iAccompanyingNumber)},
        {QStringLiteral("DocumentType"), CDisplayTexts::documentType(r.iIdentityType)},
        {QStringLiteral("IDNo"), orDash(r.strIdentityCode)},
        {QStringLiteral("LicensePlaBBlHEgez"), orDash(r.strPlateCode)},
        {QStringLiteral("VisitorsToTheUnitFuJDwyci"), orDash(r.strCompany)},
        {QStringLiteral("ArticlesCarriedByEJpEumGr"), orDash(r.strBelongings)},
        {QStringLiteral("VisitorsToTheAddressEUeKPrCO"), orDash(r.strAddress)},
        {QStringLiteral("Remark"), orDash(r.strRemark)},
    };
}

RecordDetailWidget::RecordDetailWidget(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RecordDetail_Widget"));
    registerVisitorRecordDataMetaType();
    m_pErrorModel = new ErrorInformationModel(this);

    auto *scroll = new QorvaGUIToolkit::CScrollArea(this);
    scroll->setObjectName(QStringLiteral("RecordDetailScroll"));
    scroll->setVerticalScrollBar(new QorvaGUIToolkit::CVerScrollBar(scroll));
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *content = new QWidget(scroll);
    content->setObjectName(QStringLiteral("RecordDetailContent"));
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 8, 0);
    contentLayout->setSpacing(8);
    buildForm(contentLayout);
    contentLayout->addStretch(1);
    scroll->setWidget(content);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    connect(m_pErrorBtn, &QPushButton::clicked, this, &RecordDetailWidget::OnShowErrorDetail);
    retranslate();
    setRecord(VisitorRecordData::clearValue());
}

void RecordDetailWidget::buildForm(QVBoxLayout *content)
{
    for (const auto &section : sections()) {
        auto *title = new QLabel(content->parentWidget());
        title->setObjectName(QStringLiteral("DetailSectionTitle"));
        title->setProperty("titleKey", QString::fromLatin1(section.first));
        QFont font = title->font();
        font.setPixelSize(14);
        font.setWeight(QFont::DemiBold);
        title->setFont(font);
        m_sectionTitles << title;
        content->addSpacing(m_sectionTitles.size() == 1 ? 0 : 8);
        content->addWidget(title);

        auto *grid = new QGridLayout;
        grid->setHorizontalSpacing(8);
        grid->setVerticalSpacing(8);
        grid->setColumnMinimumWidth(0, kCaptionWidth);
        grid->setColumnStretch(1, 1);
        int row = 0;
        for (const char *key : section.second) {
            const QString captionKey = QString::fromLatin1(key);
            auto *caption = new QLabel(content->parentWidget());
            caption->setObjectName(QStringLiteral("DetailCaption"));
            caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            caption->setWordWrap(true);
            // One caption width in every section, so the values line up.
            caption->setFixedWidth(kCaptionWidth);
            auto *value = new QLabel(content->parentWidget());
            value->setObjectName(QStringLiteral("DetailValue_") + captionKey);
            value->setWordWrap(true);
            value->setTextInteractionFlags(Qt::TextSelectableByMouse);
            value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            grid->addWidget(caption, row, 0);
            grid->addWidget(value, row, 1);
            m_captions.insert(captionKey, caption);
            m_values.insert(captionKey, value);
            ++row;
        }
        if (m_sectionTitles.size() == 2) {
            // The devices that refused the permissions belong to the access section.
            m_pErrorBtn = new QorvaGUIToolkit::CSecondaryButton(content->parentWidget());
            m_pErrorBtn->setObjectName(QStringLiteral("ErrorDetailBtn"));
            grid->addWidget(m_pErrorBtn, row, 1, Qt::AlignLeft);
        }
        content->addLayout(grid);
    }
}

void RecordDetailWidget::retranslate()
{
    for (QLabel *title : qAsConst(m_sectionTitles))
        title->setText(tr(title->property("titleKey").toString().toLatin1().constData()));
    for (auto it = m_captions.constBegin(); it != m_captions.constEnd(); ++it)
        it.value()->setText(tr(it.key().toLatin1().constData()));
    m_pErrorBtn->setText(tr(kErrorDetailKey));
}

void RecordDetailWidget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        setRecord(m_record);
    }
    QWidget::changeEvent(event);
}

void RecordDetailWidget::setRecord(const VisitorRecordData &record)
{
    m_record = record;
    m_strGuid = record.strGuid;
    const QHash<QString, QString> values = fieldValues(record);
    for (auto it = m_values.constBegin(); it != m_values.constEnd(); ++it)
        it.value()->setText(values.value(it.key()));
}

void RecordDetailWidget::OnShowErrorDetail()
{
    if (m_strGuid.isEmpty())
        return;
    auto *dialog = new BatchResultDialog(m_pErrorModel);
    dialog->setObjectName(QStringLiteral("RecordErrorDialog"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_pErrorModel->reset();

    // The operator asked for this one record: a short call on the GUI thread.
    protocol::VisitorErrorRecordResponseData answer;
    if (commlayer::RecordComm::getVisitorErrorRecord(answer, m_strGuid.toStdString())) {
        const auto rows = VisitorRecordRules::errorRows(
            answer.visitorErrorRecordResponse.VisitorErrorRecordList,
            [](const std::string &deviceId) {
                return g_pDeviceNameLookup ? g_pDeviceNameLookup(deviceId) : std::string();
            });
        for (const auto &row : rows)
            m_pErrorModel->addRow(row.failureKind, row.deviceName, row.message);
    } else {
        LOG_WARN("getVisitorErrorRecord failed for [%s].", m_strGuid.toUtf8().constData());
    }

    dialog->setTitle(tr(kErrorDetailKey));
    connect(dialog, &QObject::destroyed, m_pErrorModel, &ErrorInformationModel::reset);
    m_pDialog = dialog;
    if (g_pMainWindow && QMetaObject::invokeMethod(g_pMainWindow, "showModalLikeWidget",
                                                   Qt::DirectConnection, Q_ARG(QWidget *, dialog)))
        return;
    // Without the main window (the page on its own) the dialog is a window of its own.
    dialog->setParent(window(), Qt::Dialog);
    dialog->show();
}

} // namespace visitorclient
