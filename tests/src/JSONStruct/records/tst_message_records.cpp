// One table-driven pass over every message record against the expected key lists of
// data/record_keys.json, plus raw-JSON cases for the spellings and answers that are easy
// to get wrong.

#include "RecordTable.h"

#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <testsupport/Json.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using protocol::JSONNodePtr;
using recordtests::AnyRecord;
using testsupport::compactJson;
using testsupport::keysOf;

struct KeyEntry
{
    std::string key;
    std::string kind;
};

struct RecordKeys
{
    std::string record;
    std::string role; // inbound, return, websocket
    std::string name; // empty for answers
    std::vector<KeyEntry> keys;
};

std::string readString(const cJSON *object, const char *key)
{
    const cJSON *item = cJSON_GetObjectItemCaseSensitive(object, key);
    return cJSON_IsString(item) ? item->valuestring : "";
}

std::vector<RecordKeys> loadFixture()
{
    std::ifstream file(QORVA_TEST_DATA_DIR "/record_keys.json");
    std::stringstream text;
    text << file.rdbuf();
    JSONNodePtr root(cJSON_Parse(text.str().c_str()));
    std::vector<RecordKeys> fixtureRecords;
    const cJSON *record = nullptr;
    cJSON_ArrayForEach(record, cJSON_GetObjectItemCaseSensitive(root.get(), "records"))
    {
        RecordKeys entry{readString(record, "record"),
                        readString(record, "role"),
                        readString(record, "name"),
                        {}};
        const cJSON *pair = nullptr;
        cJSON_ArrayForEach(pair, cJSON_GetObjectItemCaseSensitive(record, "keys"))
        {
            entry.keys.push_back({cJSON_GetArrayItem(pair, 0)->valuestring,
                                 cJSON_GetArrayItem(pair, 1)->valuestring});
        }
        fixtureRecords.push_back(entry);
    }
    return fixtureRecords;
}

const std::vector<RecordKeys> &fixtureRecords()
{
    static const std::vector<RecordKeys> loaded = loadFixture();
    return loaded;
}

const RecordKeys &fixtureOf(const std::string &record)
{
    for (const RecordKeys &entry : fixtureRecords()) {
        if (entry.record == record)
            return entry;
    }
    throw std::runtime_error("no fixture entry for " + record);
}

std::unique_ptr<AnyRecord> make(const std::string &record)
{
    return recordtests::recordTable().at(record)();
}

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::vector<std::string> expectedKeys(const RecordKeys &entry, bool withOptional)
{
    std::vector<std::string> keys;
    for (const KeyEntry &k : entry.keys) {
        if (withOptional || k.kind != "optstring")
            keys.push_back(k.key);
    }
    return keys;
}

// Content of the parts that are only carried along: nested, with mixed-case keys that
// must come back exactly as they were.
cJSON *opaquePart()
{
    return cJSON_Parse(R"({"cardNo":"0012","Flags":[1,{"on":true}],"Owner":{"id":7}})");
}

// An object carrying every key of the record with a value that is not the default.
// With upperKeys the record's own keys (not those of carried-along parts) are written
// in capitals.
cJSON *filledObject(const RecordKeys &entry, bool upperKeys)
{
    cJSON *object = cJSON_CreateObject();
    int index = 0;
    for (const KeyEntry &k : entry.keys) {
        ++index;
        const std::string key = upperKeys ? upper(k.key) : k.key;
        cJSON *value = nullptr;
        if (k.kind == "string" || k.kind == "optstring") {
            value = cJSON_CreateString((k.key + "-\xE5\x80\xBC").c_str()); // UTF-8 survives
        } else if (k.kind == "int") {
            value = cJSON_CreateNumber(100 + index);
        } else if (k.kind == "bool") {
            value = cJSON_CreateTrue();
        } else if (k.kind == "strings") {
            const char *items[] = {"first", "second"};
            value = cJSON_CreateStringArray(items, 2);
        } else if (k.kind == "ints") {
            const int items[] = {1, 0, index};
            value = cJSON_CreateIntArray(items, 3);
        } else if (k.kind == "object:*") {
            value = opaquePart();
        } else if (k.kind == "list:*") {
            value = cJSON_CreateArray();
            cJSON_AddItemToArray(value, opaquePart());
            cJSON_AddItemToArray(value, cJSON_CreateObject());
        } else if (k.kind.rfind("object:", 0) == 0) {
            value = filledObject(fixtureOf(k.kind.substr(7)), upperKeys);
        } else if (k.kind.rfind("list:", 0) == 0) {
            value = cJSON_CreateArray();
            const RecordKeys &element = fixtureOf(k.kind.substr(5));
            cJSON_AddItemToArray(value, filledObject(element, upperKeys));
            cJSON_AddItemToArray(value, filledObject(element, upperKeys));
        } else {
            ADD_FAILURE() << "unknown kind " << k.kind << " of " << entry.record << "." << k.key;
            continue;
        }
        cJSON_AddItemToObject(object, key.c_str(), value);
    }
    return object;
}

TEST(MessageRecords, FixtureAndRecordTableListTheSameRecords)
{
    ASSERT_GE(fixtureRecords().size(), 70u) << "fixture not found or incomplete";
    std::vector<std::string> inFixture;
    for (const RecordKeys &entry : fixtureRecords())
        inFixture.push_back(entry.record);
    std::sort(inFixture.begin(), inFixture.end());
    std::vector<std::string> inTable;
    for (const auto &entry : recordtests::recordTable())
        inTable.push_back(entry.first);
    EXPECT_EQ(inFixture, inTable);
}

TEST(MessageRecords, DefaultRecordWritesEveryKeyInOrderAndHasItsName)
{
    for (const RecordKeys &entry : fixtureRecords()) {
        SCOPED_TRACE(entry.record);
        auto record = make(entry.record);
        JSONNodePtr written(record->toJSON());
        EXPECT_EQ(keysOf(written.get()), expectedKeys(entry, false));

        const char *name = record->name();
        if (entry.role == "return") {
            EXPECT_EQ(name, nullptr);
        } else {
            EXPECT_STREQ(name, entry.name.c_str());
        }
    }
}

TEST(MessageRecords, FilledRecordRoundTripsThroughText)
{
    for (const RecordKeys &entry : fixtureRecords()) {
        SCOPED_TRACE(entry.record);
        JSONNodePtr input(filledObject(entry, false));
        auto record = make(entry.record);
        record->fromJSON(input.get());
        for (const KeyEntry &k : entry.keys)
            EXPECT_TRUE(record->hasKey(k.key)) << k.key;

        JSONNodePtr written(record->toJSON());
        EXPECT_EQ(keysOf(written.get()), expectedKeys(entry, true));
        EXPECT_EQ(compactJson(written.get()), compactJson(input.get()));

        // Formatted text back into a fresh record gives the same record.
        const std::string text = protocol::printJSON(written.get());
        const char *errorAt = nullptr;
        JSONNodePtr reparsed = protocol::parseJSONText(text, errorAt);
        ASSERT_TRUE(reparsed);
        auto again = make(entry.record);
        again->fromJSON(reparsed.get());
        JSONNodePtr rewritten(again->toJSON());
        EXPECT_EQ(compactJson(rewritten.get()), compactJson(input.get()));

        auto copy = record->clone();
        JSONNodePtr copied(copy->toJSON());
        EXPECT_EQ(compactJson(copied.get()), compactJson(input.get()));
        if (!entry.keys.empty()) {
            EXPECT_TRUE(copy->hasKey(entry.keys.front().key));
        }
    }
}

TEST(MessageRecords, KeysInOtherLetterCaseFillTheSameFields)
{
    for (const RecordKeys &entry : fixtureRecords()) {
        SCOPED_TRACE(entry.record);
        JSONNodePtr shouting(filledObject(entry, true));
        JSONNodePtr expected(filledObject(entry, false));
        auto record = make(entry.record);
        record->fromJSON(shouting.get());
        JSONNodePtr written(record->toJSON());
        EXPECT_EQ(compactJson(written.get()), compactJson(expected.get()));
        for (const KeyEntry &k : entry.keys) {
            EXPECT_TRUE(record->hasKey(k.key)) << k.key;
            if (upper(k.key) != k.key) {
                EXPECT_FALSE(record->hasKey(upper(k.key))) << k.key;
            }
        }
    }
}

TEST(MessageRecords, IgnoreSettingsSelectKeysOfEveryRecord)
{
    for (const RecordKeys &entry : fixtureRecords()) {
        SCOPED_TRACE(entry.record);
        JSONNodePtr input(filledObject(entry, false));
        std::vector<std::string> all = expectedKeys(entry, true);
        auto record = make(entry.record);
        record->fromJSON(input.get());

        record->ignoreSettings().ignoreMode = 1;
        record->ignoreSettings().ignoreItems = {all.back()};
        JSONNodePtr only(record->toJSON());
        EXPECT_EQ(keysOf(only.get()), std::vector<std::string>{all.back()});

        record->ignoreSettings().ignoreMode = 0;
        JSONNodePtr without(record->toJSON());
        all.pop_back();
        EXPECT_EQ(keysOf(without.get()), all);
    }
}

TEST(MessageRecords, NotificationBodiesAreCreatedByTypeAndReadFromTheEnvelope)
{
    int bodies = 0;
    for (const RecordKeys &entry : fixtureRecords()) {
        if (entry.role != "websocket")
            continue;
        SCOPED_TRACE(entry.record);
        ++bodies;
        EXPECT_TRUE(make(entry.record)->createdByFactoryAsNotification(entry.name));

        JSONNodePtr body(filledObject(entry, false));
        const std::string text = R"({"guid":"n-1","type":")" + entry.name + R"(","data":)" +
                                 compactJson(body.get()) + "}";
        protocol::WebSocketNotifyData envelope;
        ASSERT_TRUE(envelope.Parse(text));
        ASSERT_TRUE(envelope.data);
        EXPECT_STREQ(envelope.data->name(), entry.name.c_str());
        JSONNodePtr written(envelope.data->toJSON());
        EXPECT_EQ(compactJson(written.get()), compactJson(body.get()));
    }
    EXPECT_EQ(bodies, 5);
}

// Raw answers and requests whose reading is easy to get wrong: odd key spellings,
// missing lists, optional strings, near-miss keys.
struct RawCase
{
    const char *record;
    const char *input;
    const char *written;
};

const RawCase kRawCases[] = {
    // The modify answer's result key carries a trailing space; plain "code" is another key.
    {"VisitAccessGroupModifyResult", R"({"name":"g","accessGroupGuid":"a","code":"0-0"})",
     R"({"name":"g","accessGroupGuid":"a","code ":""})"},
    {"VisitAccessGroupModifyResult", R"({"code ":"1-7"})",
     R"({"name":"","accessGroupGuid":"","code ":"1-7"})"},
    // The add spelling differs from "downLoadIDCard" only in letter case, so it is read.
    {"VisitAccessGroupModifyParam", R"({"downloadIDCard":1,"QRCodeVersion":2})",
     R"({"name":"","description":"","defaultGroup":0,"downLoadIDCard":1,"QRCodeVersion":2,"objectModifyList":[]})"},
    // A group answer without doors lists none.
    {"VisitAccessGroupQueryResp", R"({"accessGroupGuid":"a","name":"Lobby"})",
     R"({"accessGroupGuid":"a","name":"Lobby","defaultGroup":0,"downloadIDCard":0,"QRCodeVersion":0,"description":"","vistObjectResList":[]})"},
    {"VisitAccessGroupQueryResp", R"({"visitObjectResList":[{"objectNo":1}]})",
     R"({"accessGroupGuid":"","name":"","defaultGroup":0,"downloadIDCard":0,"QRCodeVersion":0,"description":"","vistObjectResList":[]})"},
    // A record page without its list is an empty page with the numbers that came.
    {"QueryVisitorRecordResultList", R"({"total":3,"pageNo":2})",
     R"({"total":3,"pageNo":2,"pageSize":0,"visitorRecordResultList":[]})"},
    {"QueryVisitorRecordResultListData", R"({"queryVisitorRecordResultList":{"pageSize":20}})",
     R"({"queryVisitorRecordResultList":{"total":0,"pageNo":0,"pageSize":20,"visitorRecordResultList":[]}})"},
    {"QueryAppointmentResultList", R"({"total":0})",
     R"({"total":0,"pageNo":0,"pageSize":0,"appointmentResultList":[]})"},
    {"personnelcommon::TotalData", R"({"total":1})",
     R"({"total":1,"pageNo":0,"pageSize":0,"personnelResponse":[]})"},
    // Keys in other letter case fill the record's own keys.
    {"VisitGroup", R"({"VISITGROUPGUID":"g","visitgroupname":"Hall"})",
     R"({"visitGroupGuid":"g","visitGroupName":"Hall"})"},
    // The condition of the record page: every key, empty strings included.
    {"QueryVisitorRecordCondition", R"({"pageSize":20,"pageNo":1})",
     R"({"name":"","State":"","visitBeginTime":"","visitEndTime":"","leaveBeginTime":"","leaveEndTime":"","pageSize":20,"pageNo":1,"sortRole":"","descending":false,"QuickRegister":false})"},
    // The rights synchronisation sends a single empty key.
    {"VisitorRightConfig", R"({})", R"({"ConfigType":""})"},
    // Optional strings are left out when empty.
    {"VisitorRight", R"({"uuid":"","remark":"r"})", R"({"remark":"r","default":false})"},
    {"personnelcommon::Basic", R"({"guid":"p","phone":"138"})",
     R"({"guid":"p","orgGUID":"","name":"","gender":0,"sn":"","phone":"138","effectiveTime":"","expireTime":"","amount":"","recharge":"","remainingTimes":0,"times":0})"},
    {"DownloadPermissionInfo", R"({})", R"({"visitorRecordList":[]})"},
    // Reason names come as "Name"; a lower-case answer still fills them.
    {"QueryBasicSettingResultData",
     R"({"queryBasicSettingResult":{"gender":[1,0,0],"appointmentDay":3,"visitReasonResultList":[{"visitReasonGuid":"1","name":"Training"}]}})",
     R"({"queryBasicSettingResult":{"name":[],"gender":[1,0,0],"phone":[],"visitExpectTime":[],"leaveExpectTime":[],"visitReasonID":[],"receptionistID":[],"organization":[],"accessPointGroup":[],"accompanyingPersonnelNumber":[],"identityType":[],"identityCode":[],"plateCode":[],"company":[],"belongings":[],"address":[],"remark":[],"appointmentDay":3,"visitReasonResultList":[{"visitReasonGuid":"1","Name":"Training"}]}})"},
};

TEST(MessageRecords, RawMessagesReadAsTheServerMeansThem)
{
    for (const RawCase &c : kRawCases) {
        SCOPED_TRACE(std::string(c.record) + " " + c.input);
        JSONNodePtr input(cJSON_Parse(c.input));
        ASSERT_TRUE(input);
        auto record = make(c.record);
        record->fromJSON(input.get());
        JSONNodePtr written(record->toJSON());
        EXPECT_EQ(compactJson(written.get()), c.written);
    }
}

TEST(MessageRecords, NearMissKeysAreNotRead)
{
    // "ORCodeEnabled" is spelled with the letter O; the Q spelling is another key.
    JSONNodePtr input(cJSON_Parse(R"({"QRCodeEnabled":1,"downloadResult":2,"company":"c"})"));
    auto record = make("VisitorRecordResult");
    record->fromJSON(input.get());
    EXPECT_FALSE(record->hasKey("ORCodeEnabled"));
    // Letter case alone does not make another key.
    EXPECT_TRUE(record->hasKey("DownloadResult"));
    EXPECT_TRUE(record->hasKey("Company"));
    JSONNodePtr written(record->toJSON());
    const cJSON *enabled = cJSON_GetObjectItemCaseSensitive(written.get(), "ORCodeEnabled");
    ASSERT_NE(enabled, nullptr);
    EXPECT_EQ(enabled->valueint, 0);
    EXPECT_EQ(cJSON_GetObjectItemCaseSensitive(written.get(), "DownloadResult")->valueint, 2);
}

} // namespace
