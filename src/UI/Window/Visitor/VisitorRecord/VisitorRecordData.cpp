#include "VisitorRecordData.h"

#include <UI/Window/Common/DisplayTexts.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>

#include <JSONStruct/visitorrecord/VisitorRecordResult.h>

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

} // namespace

bool VisitorRecordData::operator==(const VisitorRecordData &other) const
{
    return tied(*this) == tied(other);
}

VisitorRecordData VisitorRecordData::fromResult(const protocol::VisitorRecordResult &r,
                                                bool withFaceImage)
{
    using AppointmentConversions::toPageTime;
    VisitorRecordData d;
    d.strGuid = text(r.guid);
    d.strName = text(r.name);
    d.iGender = r.gender;
    d.strPhone = text(r.phone);
    d.strVisitTime = toPageTime(r.visitTime);
    d.strLeaveTime = toPageTime(r.leaveTime);
    d.strAppointmentVisitTime = toPageTime(r.appointmentVisitTime);
    d.strAppointmentLeaveTime = toPageTime(r.appointmentLeaveTime);
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
