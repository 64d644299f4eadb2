#include "BasicSettingData.h"

#include <UI/Window/Common/DisplayTexts.h>

#include <JSONStruct/settings/BasicSetting.h>
#include <JSONStruct/settings/QueryBasicSettingResult.h>

#include <QtGlobal>

namespace visitorclient {

namespace {

using Data = BasicSettingData;
using Request = protocol::BasicSetting;
using Answer = protocol::QueryBasicSettingResult;
using WireList = std::vector<std::int32_t>;

// The same 17 fields in the page data, the request and the answer, in server order.
const std::array<WireList Request::*, Data::kFieldCount> kRequestFields{
    &Request::name_,
    &Request::gender,
    &Request::phone,
    &Request::visitExpectTime,
    &Request::leaveExpectTime,
    &Request::visitReasonID,
    &Request::receptionistID,
    &Request::organization,
    &Request::accessPointGroup,
    &Request::accompanyingPersonnelNumber,
    &Request::identityType,
    &Request::identityCode,
    &Request::plateCode,
    &Request::company,
    &Request::belongings,
    &Request::address,
    &Request::remark};

const std::array<WireList Answer::*, Data::kFieldCount> kAnswerFields{
    &Answer::name,
    &Answer::gender,
    &Answer::phone,
    &Answer::visitExpectTime,
    &Answer::leaveExpectTime,
    &Answer::visitReasonID,
    &Answer::receptionistID,
    &Answer::organization,
    &Answer::accessPointGroup,
    &Answer::accompanyingPersonnelNumber,
    &Answer::identityType,
    &Answer::identityCode,
    &Answer::plateCode,
    &Answer::company,
    &Answer::belongings,
    &Answer::address,
    &Answer::remark};

} // namespace

const std::array<BasicSettingData::FieldMember, BasicSettingData::kFieldCount> &
BasicSettingData::fieldMembers()
{
    static const std::array<FieldMember, kFieldCount> members{&Data::vecName,
                                                              &Data::vecGender,
                                                              &Data::vecPhone,
                                                              &Data::vecVisitExpectTime,
                                                              &Data::vecLeaveExpectTime,
                                                              &Data::vecVisitReason,
                                                              &Data::vecReceptionist,
                                                              &Data::vecOrganization,
                                                              &Data::vecAccessPointGroup,
                                                              &Data::vecAccompanyingPersonnelNumber,
                                                              &Data::vecIdentityType,
                                                              &Data::vecIdentityCode,
                                                              &Data::vecPlateCode,
                                                              &Data::vecCompany,
                                                              &Data::vecBelongings,
                                                              &Data::vecAddress,
                                                              &Data::vecRemark};
    return members;
}

bool BasicSettingData::operator==(const BasicSettingData &other) const
{
    for (FieldMember member : fieldMembers()) {
        if (this->*member != other.*member)
            return false;
    }
    return appointmentDay == other.appointmentDay && vecVisitReasons == other.vecVisitReasons;
}

namespace BasicSettings {

QVector<int> fieldSetting(bool shown, bool required, bool locked)
{
    return {shown ? 1 : 0, required ? 1 : 0, locked ? 1 : 0};
}

bool hasSetting(const QVector<int> &setting)
{
    return setting.size() >= 3;
}

bool isShown(const QVector<int> &setting)
{
    return !setting.isEmpty() && setting.at(0) == 1;
}

bool isRequired(const QVector<int> &setting)
{
    return setting.size() > 1 && setting.at(1) == 1;
}

QVector<VisitReasonData> defaultReasons()
{
    // Named through the shared reason texts, so that a stored key and a default reason
    // read the same and map back to the same key.
    static const char *const kKeys[] = {"training", "meeting", "business", "visiting", "other"};
    QVector<VisitReasonData> reasons;
    for (int i = 0; i < 5; ++i)
        reasons.append(
            {QString::number(i + 1), CDisplayTexts::visitReason(QLatin1String(kKeys[i]))});
    return reasons;
}

BasicSettingData defaultSettings()
{
    BasicSettingData data;
    const QVector<int> fixed = fieldSetting(true, true, true);
    const QVector<int> optional = fieldSetting(true, false, false);
    const QVector<int> requiredOpen = fieldSetting(true, true, false);
    for (Data::FieldMember member : Data::fieldMembers())
        data.*member = optional;
    for (Data::FieldMember member :
         {&Data::vecName, &Data::vecVisitExpectTime, &Data::vecLeaveExpectTime,
          &Data::vecVisitReason, &Data::vecReceptionist, &Data::vecOrganization,
          &Data::vecAccessPointGroup, &Data::vecAccompanyingPersonnelNumber})
        data.*member = fixed;
    data.vecPhone = requiredOpen;
    data.vecIdentityType = requiredOpen;
    data.appointmentDay = 1;
    data.vecVisitReasons = defaultReasons();
    return data;
}

BasicSettingData fromQueryResult(const protocol::QueryBasicSettingResult &result)
{
    BasicSettingData data;
    for (int i = 0; i < Data::kFieldCount; ++i) {
        const WireList &wire = result.*kAnswerFields[static_cast<std::size_t>(i)];
        data.*Data::fieldMembers()[static_cast<std::size_t>(i)] =
            QVector<int>(wire.begin(), wire.end());
    }
    data.appointmentDay =
        qBound(kMinBookingDays, static_cast<int>(result.appointmentDay), kMaxBookingDays);
    for (const protocol::VisitReasonResult &reason : result.visitReasonResultList)
        data.vecVisitReasons.append(
            {QString::fromStdString(reason.visitReasonGuid), QString::fromStdString(reason.Name)});
    return data;
}

protocol::BasicSetting toBasicSetting(const BasicSettingData &data)
{
    protocol::BasicSetting request;
    for (int i = 0; i < Data::kFieldCount; ++i) {
        const QVector<int> &list = data.*Data::fieldMembers()[static_cast<std::size_t>(i)];
        request.*kRequestFields[static_cast<std::size_t>(i)] = WireList(list.begin(), list.end());
    }
    request.appointmentDay = data.appointmentDay;
    for (const VisitReasonData &reason : data.vecVisitReasons) {
        protocol::VisitReason wire;
        wire.visitReasonGuid = reason.strReasonId.toStdString();
        wire.Name = reason.strReasonName.toStdString();
        request.visitReasonList.push_back(std::move(wire));
    }
    return request;
}

} // namespace BasicSettings

void registerBasicSettingDataMetaTypes()
{
    qRegisterMetaType<VisitReasonData>("VisitReasonData");
    qRegisterMetaType<BasicSettingData>("BasicSettingData");
}

} // namespace visitorclient
