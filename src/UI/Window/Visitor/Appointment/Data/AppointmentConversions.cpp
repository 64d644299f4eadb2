#include "AppointmentConversions.h"

#include <Base/Log.h>
#include <Base/TimeUtil.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

namespace visitorclient {
namespace AppointmentConversions {

namespace {

const char *const kPageTimeFormat = "yyyy-MM-dd hh:mm:ss";

QString fromUtf8(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string toUtf8(const QString &text)
{
    return text.toStdString();
}

struct ReasonKey
{
    const char *key;            // stored on the server
    const char *translationKey; // its display text
};

// The four built-in reasons recognised by their translated names; "other" and "custom"
// are only shown, never derived from a name.
const ReasonKey kBuiltInReasons[] = {
    {"training", "TrainingyjjemBra"},
    {"meeting", "TheMeetingIJEiGEyh"},
    {"business", "Qorva-7310_Client.Business.name"},
    {"visiting", "VisitJkqgbiHF"},
};

const ReasonKey kShownReasons[] = {
    {"training", "TrainingyjjemBra"},
    {"meeting", "TheMeetingIJEiGEyh"},
    {"business", "Qorva-7310_Client.Business.name"},
    {"visiting", "VisitJkqgbiHF"},
    {"other", "Others"},
    {"custom", "Custom"},
};

// Fields shared by the add and the change request; both records carry the same members.
template <typename Request>
void fillRequest(Request &request, const AppointmentInfoData &data, const std::string &visitReason,
                 const std::string &receptionistNumber)
{
    request.name_ = toUtf8(data.strName);
    request.gender = data.iGender;
    request.phone = toUtf8(data.strPhone);
    request.visitExpectTime = toWireTime(data.strVisitTime);
    request.leaveExpectTime = toWireTime(data.strLeaveTime);
    request.visitReasonID = toUtf8(data.strVisitReasonId);
    request.visitReason = visitReason;
    request.receptionistID = toUtf8(data.strReceptionistId);
    request.receptionistName = toUtf8(data.strReceptionistName);
    request.receptionistNumber = receptionistNumber;
    request.receptionistDepartment = toUtf8(data.strOrganization);
    request.accessPointGroup = toUtf8(data.strAccessGroupGuids);
    request.accompanyingPersonnelNumber = data.iAccompanyingNumber;
    request.identityType = data.iIdentityType;
    request.identityCode = toUtf8(data.strIdentityCode);
    request.plateCode = toUtf8(data.strPlateCode);
    request.Company = toUtf8(data.strCompany);
    request.belongings = toUtf8(data.strBelongings);
    request.address = toUtf8(data.strAddress);
    request.remark = toUtf8(data.strRemark);
}

} // namespace

QString defaultTranslate(const char *key)
{
    return QCoreApplication::translate("visitorclient::AppointmentWidget", key);
}

std::string toWireTime(const QString &pageTime)
{
    if (pageTime.isEmpty())
        return {};
    const QDateTime local = QDateTime::fromString(pageTime, QLatin1String(kPageTimeFormat));
    if (!local.isValid()) {
        LOG_WARN("Invalid appointment time [%s].", pageTime.toUtf8().constData());
        return {};
    }
    return Base::TimeUtil::TimeT2LocalTimeStrISO(
        static_cast<std::time_t>(local.toSecsSinceEpoch()));
}

QString toPageTime(const std::string &wireTime)
{
    if (wireTime.empty())
        return {};
    const std::string text = Base::TimeUtil::ISODatetime2StrDatetime(wireTime);
    if (text.empty())
        LOG_WARN("Invalid appointment time [%s].", wireTime.c_str());
    return fromUtf8(text);
}

QString accessGroupNames(const QString &guids, const QMap<QString, QString> &groupNameByGuid)
{
    if (guids.isEmpty())
        return {};
    QStringList names;
    for (const QString &guid : guids.split(QLatin1Char(',')))
        names << groupNameByGuid.value(guid);
    return names.join(QLatin1Char(','));
}

AppointmentInfoData fromAppointmentResult(const protocol::AppointmentResult &result,
                                          const QMap<QString, QString> &groupNameByGuid)
{
    AppointmentInfoData data;
    data.strId = fromUtf8(result.appointmentID);
    data.strName = fromUtf8(result.name);
    data.iGender = result.gender;
    data.strPhone = fromUtf8(result.phone);
    data.strVisitTime = toPageTime(result.visitExpectTime);
    data.strLeaveTime = toPageTime(result.leaveExpectTime);
    data.strVisitReason = fromUtf8(result.visitReasonName);
    data.strVisitReasonId = fromUtf8(result.visitReasonID);
    data.strReceptionistName = fromUtf8(result.receptionistName);
    data.strReceptionistId = fromUtf8(result.receptionistID);
    data.strOrganization = fromUtf8(result.receptionistDepartment);
    data.strAuthCode = fromUtf8(result.authCode);
    data.strAccessGroupGuids = fromUtf8(result.visitGroupGuid);
    data.strAccessGroupNames = accessGroupNames(data.strAccessGroupGuids, groupNameByGuid);
    data.iAccompanyingNumber = result.accompanyingPersonnelNumber;
    data.iIdentityType = result.identityType;
    data.strIdentityCode = fromUtf8(result.identityCode);
    data.strPlateCode = fromUtf8(result.plateCode);
    data.strCompany = fromUtf8(result.Company);
    data.strBelongings = fromUtf8(result.belongings);
    data.strAddress = fromUtf8(result.address);
    data.strRemark = fromUtf8(result.remark);
    return data;
}

std::string builtInReasonKey(const QString &reasonName, const Translate &translate)
{
    for (const ReasonKey &reason : kBuiltInReasons) {
        if (translate(reason.translationKey) == reasonName)
            return reason.key;
    }
    return "other";
}

QString reasonDisplayText(const QString &reasonKey, const Translate &translate)
{
    for (const ReasonKey &reason : kShownReasons) {
        if (reasonKey == QLatin1String(reason.key))
            return translate(reason.translationKey);
    }
    return reasonKey;
}

std::string resolveVisitReason(const AppointmentInfoData &data,
                               const protocol::QueryBasicSettingResult &settings,
                               const Translate &translate)
{
    const std::string reasonId = toUtf8(data.strVisitReasonId);
    for (const auto &reason : settings.visitReasonResultList) {
        if (reason.visitReasonGuid == reasonId)
            return reason.Name;
    }
    return builtInReasonKey(data.strVisitReason, translate);
}

std::string receptionistNumber(const protocol::personnelcommon::TotalData &answer)
{
    if (answer.personnelResponse.empty())
        return {};
    return answer.personnelResponse.front().basic.phone;
}

protocol::personnelcommon::QueryPerson formReceptionistQuery(const QString &receptionistId)
{
    protocol::personnelcommon::QueryPerson query;
    query.queryType = "basic";
    query.sn = toUtf8(receptionistId);
    query.personnelList.guidList.push_back(toUtf8(receptionistId));
    return query;
}

protocol::personnelcommon::QueryPerson importReceptionistQuery(const QString &receptionistName)
{
    protocol::personnelcommon::QueryPerson query;
    query.queryType = "basic,orgInfo";
    query.name_ = toUtf8(receptionistName);
    query.ignoreMode = 0;
    query.ignoreItems = {"bindDeviceGuid", "sn", "personnelList"};
    return query;
}

protocol::Appointment toAppointment(const AppointmentInfoData &data, const std::string &visitReason,
                                    const std::string &receptionistNumber)
{
    protocol::Appointment appointment;
    fillRequest(appointment, data, visitReason, receptionistNumber);
    return appointment;
}

protocol::ModifyAppointment toModifyAppointment(const AppointmentInfoData &data,
                                                const std::string &receptionistNumber)
{
    protocol::ModifyAppointment modify;
    modify.guid = toUtf8(data.strId);
    fillRequest(modify, data, toUtf8(data.strVisitReason), receptionistNumber);
    return modify;
}

} // namespace AppointmentConversions
} // namespace visitorclient
