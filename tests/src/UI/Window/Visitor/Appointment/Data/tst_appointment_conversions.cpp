// Conversions between the appointment pages' AppointmentInfoData and the appointment
// messages. Runs in a fixed time zone (UTC+8) so that wire texts are predictable.

#include "AppointmentConversions.h"

#include <Base/LogCapture.h>

#include <JSONStruct/Core/JSONText.h>

#include <QMap>
#include <QMetaType>
#include <QVariant>

#include <testsupport/Json.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

namespace {

using namespace visitorclient;
namespace conv = visitorclient::AppointmentConversions;
using protocol::JSONNodePtr;

class FixedTimeZone : public ::testing::Environment
{
public:
    void SetUp() override
    {
        setenv("TZ", "CST-8", 1);
        tzset();
    }
};
const auto *const kTimeZone = ::testing::AddGlobalTestEnvironment(new FixedTimeZone);

// Translations as a page would have them loaded.
QString translate(const char *key)
{
    static const std::map<std::string, QString> texts{
        {"TrainingyjjemBra", "Training"},
        {"TheMeetingIJEiGEyh", "Meeting"},
        {"Qorva-7310_Client.Business.name", "Business"},
        {"VisitJkqgbiHF", "Visit"},
        {"Others", "Others"},
        {"Custom", "Custom"},
    };
    const auto it = texts.find(key);
    return it == texts.end() ? QString::fromUtf8(key) : it->second;
}

std::string compact(const protocol::IJSONStruct &record)
{
    return testsupport::compactOwned(record.toJSON());
}

template <class Record> Record parsed(const char *json)
{
    JSONNodePtr node(cJSON_Parse(json));
    return Record(node.get());
}

TEST(AppointmentTimes, PageAndWireTextsConvertBothWays)
{
    struct Row
    {
        QString page;
        std::string wire;
    };
    const Row rows[] = {
        {"2026-12-05 09:30:00", "2026-12-05T09:30:00"},
        {"2027-01-01 00:00:00", "2027-01-01T00:00:00"},
        {"", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.page.toStdString());
        EXPECT_EQ(conv::toWireTime(row.page), row.wire);
        EXPECT_EQ(conv::toPageTime(row.wire), row.page);
    }
}

TEST(AppointmentTimes, ZonedAndUnreadableTexts)
{
    EXPECT_EQ(conv::toPageTime("2026-12-05T01:30:00Z"), "2026-12-05 09:30:00");
    EXPECT_EQ(conv::toPageTime("2026-12-05T09:30:00.250"), "2026-12-05 09:30:00");

    Base::details::CLogCapture log;
    EXPECT_EQ(conv::toPageTime("next tuesday"), QString());
    EXPECT_EQ(conv::toWireTime("2026-13-05 09:30:00"), std::string());
    EXPECT_EQ(conv::toWireTime("2026-12-05T09:30:00"), std::string()); // wire form is no page time
    EXPECT_TRUE(log.contains("Invalid appointment time [next tuesday]."));
    EXPECT_TRUE(log.contains("Invalid appointment time [2026-13-05 09:30:00]."));
}

TEST(AppointmentGroups, GuidsAreReplacedByNamesKeepingEverySeparator)
{
    const QMap<QString, QString> groups{{"g1", "Lobby"}, {"g2", "Lab"}};
    struct Row
    {
        QString guids;
        QString names;
    };
    const Row rows[] = {
        {"g1,g9", "Lobby,"}, {"g9,g1", ",Lobby"}, {"g2,g1", "Lab,Lobby"}, {"g9", ""}, {"", ""},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.guids.toStdString());
        EXPECT_EQ(conv::accessGroupNames(row.guids, groups), row.names);
    }
}

TEST(AppointmentFromServer, EveryFieldLandsInItsPlace)
{
    const auto result = parsed<protocol::AppointmentResult>(R"({
        "appointmentID": "a-1", "name": "Wang Fang", "gender": 2, "phone": "13800000000",
        "visitExpectTime": "2026-12-05T09:30:00", "leaveExpectTime": "",
        "visitReasonID": "r-1", "visitReasonName": "Interview", "receptionistID": "p-1",
        "receptionistName": "Li Lei", "receptionistNumber": "139", "receptionistDepartment": "R&D",
        "visitGroupGuid": "g1,g2", "accompanyingPersonnelNumber": 3, "identityType": 4,
        "identityCode": "E1234", "plateCode": "A-88", "Company": "Acme", "belongings": "laptop",
        "address": "1 Main St", "remark": "vip", "authCode": "829301"})");
    const AppointmentInfoData data = conv::fromAppointmentResult(result, {{"g1", "Lobby"}});

    AppointmentInfoData expected;
    expected.strId = "a-1";
    expected.strName = "Wang Fang";
    expected.iGender = 2;
    expected.strPhone = "13800000000";
    expected.strVisitTime = "2026-12-05 09:30:00";
    expected.strLeaveTime = ""; // empty stays empty
    expected.strVisitReason = "Interview";
    expected.strVisitReasonId = "r-1";
    expected.strReceptionistName = "Li Lei";
    expected.strReceptionistId = "p-1";
    expected.strOrganization = "R&D";
    expected.strAuthCode = "829301";
    expected.strAccessGroupGuids = "g1,g2";
    expected.strAccessGroupNames = "Lobby,";
    expected.iAccompanyingNumber = 3;
    expected.iIdentityType = 4;
    expected.strIdentityCode = "E1234";
    expected.strPlateCode = "A-88";
    expected.strCompany = "Acme";
    expected.strBelongings = "laptop";
    expected.strAddress = "1 Main St";
    expected.strRemark = "vip";
    EXPECT_EQ(data, expected);
}

TEST(AppointmentReasons, AddResolvesTheReasonThroughSettingsThenBuiltInNames)
{
    const auto settings = parsed<protocol::QueryBasicSettingResult>(
        R"({"visitReasonResultList":[{"visitReasonGuid":"r-1","Name":"Interview"},
                                     {"visitReasonGuid":"r-1","Name":"Second"}]})");
    const protocol::QueryBasicSettingResult failedRead;
    struct Row
    {
        const protocol::QueryBasicSettingResult *settings;
        QString reasonId;
        QString reasonName;
        std::string sent;
    };
    const Row rows[] = {
        {&settings, "r-1", "Whatever", "Interview"}, // first match of the settings wins
        {&settings, "r-9", "Training", "training"},   {&settings, "r-9", "Meeting", "meeting"},
        {&failedRead, "r-1", "Business", "business"}, {&failedRead, "r-1", "Visit", "visiting"},
        {&settings, "r-9", "Lunch", "other"},         {&settings, "", "", "other"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.reasonName.toStdString());
        AppointmentInfoData data;
        data.strVisitReasonId = row.reasonId;
        data.strVisitReason = row.reasonName;
        EXPECT_EQ(conv::resolveVisitReason(data, *row.settings, translate), row.sent);
    }
}

TEST(AppointmentReasons, StoredKeysShowTheirTranslatedNames)
{
    const std::pair<QString, QString> rows[] = {
        {"training", "Training"},   {"meeting", "Meeting"},   {"business", "Business"},
        {"visiting", "Visit"},      {"other", "Others"},      {"custom", "Custom"},
        {"Interview", "Interview"}, {"Training", "Training"}, {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(conv::reasonDisplayText(row.first, translate), row.second)
            << row.first.toStdString();
}

AppointmentInfoData formData()
{
    AppointmentInfoData data;
    data.strId = "a-7";
    data.strName = "Zhang Wei";
    data.iGender = 1;
    data.strPhone = "137";
    data.strVisitTime = "2026-12-05 09:30:00";
    data.strLeaveTime = "";
    data.strVisitReason = "meeting";
    data.strVisitReasonId = "r-2";
    data.strReceptionistName = "Li Lei";
    data.strReceptionistId = "p-1";
    data.strOrganization = "R&D";
    data.strAuthCode = "ignored";
    data.strAccessGroupGuids = "g1,g2";
    data.strAccessGroupNames = "Lobby,Lab";
    data.iAccompanyingNumber = 2;
    data.iIdentityType = 8;
    data.strIdentityCode = "C9";
    data.strPlateCode = "B-1";
    data.strCompany = "Acme";
    data.strBelongings = "bag";
    data.strAddress = "2 Side St";
    data.strRemark = "late";
    return data;
}

TEST(AppointmentRequests, AddAndChangeCarryThePageFields)
{
    const AppointmentInfoData data = formData();
    EXPECT_EQ(
        compact(conv::toAppointment(data, "Interview", "139")),
        R"({"name":"Zhang Wei","gender":1,"phone":"137","visitExpectTime":"2026-12-05T09:30:00",)"
        R"("leaveExpectTime":"","visitReasonID":"r-2","visitReason":"Interview","receptionistID":"p-1",)"
        R"("receptionistName":"Li Lei","receptionistNumber":"139","receptionistDepartment":"R&D",)"
        R"("accessPointGroup":"g1,g2","accompanyingPersonnelNumber":2,"identityType":8,"identityCode":"C9",)"
        R"("plateCode":"B-1","Company":"Acme","belongings":"bag","address":"2 Side St","remark":"late"})");
    // A change sends the reason text as the page holds it, after the appointment id.
    EXPECT_EQ(
        compact(conv::toModifyAppointment(data, "")),
        R"({"guid":"a-7","name":"Zhang Wei","gender":1,"phone":"137","visitExpectTime":"2026-12-05T09:30:00",)"
        R"("leaveExpectTime":"","visitReasonID":"r-2","visitReason":"meeting","receptionistID":"p-1",)"
        R"("receptionistName":"Li Lei","receptionistNumber":"","receptionistDepartment":"R&D",)"
        R"("accessPointGroup":"g1,g2","accompanyingPersonnelNumber":2,"identityType":8,"identityCode":"C9",)"
        R"("plateCode":"B-1","Company":"Acme","belongings":"bag","address":"2 Side St","remark":"late"})");
}

TEST(AppointmentRequests, ServerRowSurvivesTheWayBackAsAChange)
{
    AppointmentInfoData data = formData();
    data.strAccessGroupNames = "Lobby,";
    const protocol::ModifyAppointment modify = conv::toModifyAppointment(data, "139");
    JSONNodePtr node(modify.toJSON());
    cJSON_DeleteItemFromObjectCaseSensitive(node.get(), "guid");
    cJSON_AddStringToObject(node.get(), "appointmentID", "a-7");
    cJSON_AddStringToObject(node.get(), "visitGroupGuid", "g1,g2");
    cJSON_AddStringToObject(node.get(), "visitReasonName", "meeting");
    cJSON_AddStringToObject(node.get(), "authCode", "ignored");
    const protocol::AppointmentResult row(node.get());
    EXPECT_EQ(conv::fromAppointmentResult(row, {{"g1", "Lobby"}}), data);
}

TEST(AppointmentReceptionist, QueriesSendWhatTheFormAndTheImportNeed)
{
    EXPECT_EQ(compact(conv::formReceptionistQuery("p-1")),
              R"({"queryType":"basic","sn":"p-1","bindDeviceGuid":"","name":"","sensitive":false,)"
              R"("personnelList":{"guidList":["p-1"]}})");
    EXPECT_EQ(compact(conv::importReceptionistQuery("Li Lei")),
              R"({"queryType":"basic,orgInfo","name":"Li Lei","sensitive":false})");
}

TEST(AppointmentReceptionist, NumberIsThePhoneOfTheFirstPersonFound)
{
    const auto two = parsed<protocol::personnelcommon::TotalData>(
        R"({"total":2,"personnelResponse":[{"basic":{"guid":"p-1","phone":"139"},"cardList":[{"no":1}]},
                                           {"basic":{"guid":"p-2","phone":"188"}}]})");
    EXPECT_EQ(conv::receptionistNumber(two), "139");
    const auto nobody = parsed<protocol::personnelcommon::TotalData>(R"({"total":0})");
    EXPECT_EQ(conv::receptionistNumber(nobody), "");
    EXPECT_EQ(conv::receptionistNumber(protocol::personnelcommon::TotalData()), "");
}

TEST(AppointmentInfoDataType, TravelsInVariantsUnderItsRegisteredNames)
{
    registerAppointmentInfoDataMetaTypes();
    registerAppointmentInfoDataMetaTypes();
    EXPECT_NE(QMetaType::type("AppointmentInfoData"), int(QMetaType::UnknownType));
    EXPECT_NE(QMetaType::type("VecAppointmentInfoData"), int(QMetaType::UnknownType));

    const VecAppointmentInfoData batch{formData(), AppointmentInfoData()};
    const QVariant variant = QVariant::fromValue(batch);
    EXPECT_EQ(variant.value<VecAppointmentInfoData>(), batch);
}

} // namespace
