#include "VisitorRecordData.h"

#include <UI/Window/Common/DisplayTexts.h>

#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

#include <Base/Log.h>
#include <Base/TimeUtil.h>

#include <QStringList>

#include <tuple>

namespace visitorclient {

namespace {

auto tied(const VisitorRecordData &d)
{
    return std::tie(d.strGuid, d.strName, d.iGender, d.strPhone, d.strVisitTime, d.strLeaveTime,
                    d.strAppointmentVisitTime, d.strAppointmentLeaveTime, d.strAuthType,
                    d.strCardNo, d.strVisitReason, d.strReceptionistName, d.strAccessGroupNames,
                    d.iAccompanyingNumber, d.iIdentityType, d.strIdentityCode, d.strPlateCode,
                    d.strCompany, d.strBelongings, d.strAddress, d.strRemark, d.strAuthCode,
                    d.strRegisterStatus, d.iDownloadResult, d.strOrganization, d.strFaceImageUrl);
}

QString text(const std::string &value)
{
    return QString::fromStdString(value);
}

// A record time as the page shows it; an unreadable one is shown empty (the detail shows
// "-") and logged with the record it came from.
QString recordTime(const std::string &wireTime, const std::string &recordGuid)
{
    if (wireTime.empty())
        return {};
    const std::string shown = Base::TimeUtil::ISODatetime2StrDatetime(wireTime);
    if (shown.empty())
        LOG_WARN("Invalid visitor record time [%s] in record [%s].", wireTime.c_str(),
                 recordGuid.c_str());
    return text(shown);
}

} // namespace

bool VisitorRecordData::operator==(const VisitorRecordData &other) const
{
    return tied(*this) == tied(other);
}

VisitorRecordData VisitorRecordData::fromResult(const protocol::VisitorRecordResult &r,
                                                bool withFaceImage)
{
    VisitorRecordData d;
    d.strGuid = text(r.guid);
    d.strName = text(r.name);
    d.iGender = r.gender;
    d.strPhone = text(r.phone);
    d.strVisitTime = recordTime(r.visitTime, r.guid);
    d.strLeaveTime = recordTime(r.leaveTime, r.guid);
    d.strAppointmentVisitTime = recordTime(r.appointmentVisitTime, r.guid);
    d.strAppointmentLeaveTime = recordTime(r.appointmentLeaveTime, r.guid);
    d.strAuthType = text(r.authType);
    d.strCardNo = text(r.cardNo);
    d.strVisitReason = CDisplayTexts::visitReason(text(r.visitReasonName));
    d.strReceptionistName = text(r.receptionistName);
    QStringList groups;
    for (const auto &group : r.visitGroupList)
        groups << text(group.visitGroupName);
    d.strAccessGroupNames = groups.join(QLatin1Char(','));
    d.iAccompanyingNumber = r.accompanyingPersonnelNumber;
    d.iIdentityType = r.identityType;
    d.strIdentityCode = text(r.identityCode);
    d.strPlateCode = text(r.plateCode);
    d.strCompany = text(r.Company);
    d.strBelongings = text(r.belongings);
    d.strAddress = text(r.address);
    d.strRemark = text(r.remark);
    d.strAuthCode = text(r.authCode);
    d.strRegisterStatus = text(r.registerStatus);
    d.iDownloadResult = r.DownloadResult;
    d.strOrganization = text(r.orgPath);
    if (withFaceImage)
        d.strFaceImageUrl = text(r.faceImageUrl);
    return d;
}

VisitorRecordData VisitorRecordData::clearValue()
{
    const QString dash = QStringLiteral("-");
    VisitorRecordData d;
    for (QString *field :
         {&d.strPhone, &d.strVisitTime, &d.strLeaveTime, &d.strAppointmentVisitTime,
          &d.strAppointmentLeaveTime, &d.strVisitReason, &d.strReceptionistName,
          &d.strAccessGroupNames, &d.strIdentityCode, &d.strPlateCode, &d.strCompany,
          &d.strBelongings, &d.strAddress, &d.strRemark, &d.strAuthCode, &d.strRegisterStatus,
          &d.strOrganization, &d.strFaceImageUrl})
        *field = dash;
    return d;
}

void registerVisitorRecordDataMetaType()
{
    qRegisterMetaType<VisitorRecordData>("VisitorRecordData");
}

} // namespace visitorclient
