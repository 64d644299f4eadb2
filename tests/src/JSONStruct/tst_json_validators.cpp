#include "TestRecords.h"

#include <JSONStruct/Core/JSONValidators.h>

#include <testsupport/Json.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace testrecords;
const auto parse = testsupport::parseJson;

namespace {

std::string repeat(const std::string &piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

const std::string kChinese = "\xE4\xB8\xAD"; // one character, two bytes in GBK
const std::string kInvalidCharMessage = "name contain invalid char [/:*?\xA1\xB0<>|].";

struct ValidatorRow
{
    const char *what;
    std::function<bool(std::string &)> call;
    bool ok;
    std::string error;
};

} // namespace

TEST(JSONValidators, MessagesAndLimits)
{
    using namespace protocol;
    const ValidatorRow rows[] = {
        {"not empty", [](std::string &e) { return checkNotEmpty("name", "a", e); }, true, ""},
        {"empty", [](std::string &e) { return checkNotEmpty("name", "", e); }, false, "name can't be empty!"},
        {"list", [](std::string &e) { return checkListNotEmpty("doorList", std::vector<int>{1}, e); }, true, ""},
        {"empty list", [](std::string &e) { return checkListNotEmpty("doorList", std::vector<int>{}, e); }, false,
         "doorList can't be empty!"},
        {"clean", [](std::string &e) { return checkInvalidChar("name", "a-b_c.d", e); }, true, ""},
        {"slash", [](std::string &e) { return checkInvalidChar("name", "a/b", e); }, false, kInvalidCharMessage},
        {"backslash", [](std::string &e) { return checkInvalidChar("name", "a\\b", e); }, false, kInvalidCharMessage},
        {"colon", [](std::string &e) { return checkInvalidChar("name", "a:", e); }, false, kInvalidCharMessage},
        {"star", [](std::string &e) { return checkInvalidChar("name", "*", e); }, false, kInvalidCharMessage},
        {"question", [](std::string &e) { return checkInvalidChar("name", "?", e); }, false, kInvalidCharMessage},
        {"quote", [](std::string &e) { return checkInvalidChar("name", "\"", e); }, false, kInvalidCharMessage},
        {"less", [](std::string &e) { return checkInvalidChar("name", "<", e); }, false, kInvalidCharMessage},
        {"greater", [](std::string &e) { return checkInvalidChar("name", ">", e); }, false, kInvalidCharMessage},
        {"bar", [](std::string &e) { return checkInvalidChar("name", "|", e); }, false, kInvalidCharMessage},
        {"64 chinese at 128", [](std::string &e) { return checkLength("name", repeat(kChinese, 64), 128, e); },
         true, ""},
        {"65 chinese at 128", [](std::string &e) { return checkLength("name", repeat(kChinese, 65), 128, e); },
         false, "name length is greater than 128."},
        {"128 ascii", [](std::string &e) { return checkLength("name", std::string(128, 'a'), 128, e); }, true, ""},
        {"129 ascii", [](std::string &e) { return checkLength("name", std::string(129, 'a'), 128, e); }, false,
         "name length is greater than 128."},
        {"length empty", [](std::string &e) { return checkLength("name", "", 128, e); }, false,
         "name can't be empty!"},
        {"length invalid", [](std::string &e) { return checkLength("name", "a|b", 128, e); }, false,
         kInvalidCharMessage},
        {"format", [](std::string &e) { return checkFormat("phone", "12345", "[0-9]+", e); }, true, ""},
        {"format partial", [](std::string &e) { return checkFormat("phone", "12345x", "[0-9]+", e); }, false,
         "phone not match format!"},
        {"format empty", [](std::string &e) { return checkFormat("phone", "", "[0-9]+", e); }, false,
         "phone can't be empty!"},
        {"format local code page", [](std::string &e) { return checkFormat("name", kChinese, "^..$", e); }, true,
         ""},
        {"broken pattern", [](std::string &e) { return checkFormat("phone", "1", "([", e); }, false,
         "phone not match format!"},
    };
    for (const ValidatorRow &row : rows) {
        SCOPED_TRACE(row.what);
        std::string error = "stale";
        EXPECT_EQ(row.call(error), row.ok);
        EXPECT_EQ(error, row.error); // cleared on success
    }
}

TEST(JSONValidators, FieldPresence)
{
    AllKinds record(parse(R"({"name":"n","count":1})").get());
    std::string error = "stale";
    EXPECT_TRUE(protocol::checkFieldsExist(record, {}, error));
    EXPECT_EQ(error, "");
    EXPECT_TRUE(protocol::checkFieldsExist(record, {"count", "name"}, error));
    EXPECT_FALSE(protocol::checkFieldsExist(record, {"name", "big", "ratio"}, error));
    EXPECT_EQ(error, "big field not exist!");
    EXPECT_FALSE(protocol::checkFieldsExist(record, {"NAME"}, error));
    EXPECT_EQ(error, "NAME field not exist!");

    EXPECT_TRUE(protocol::checkAnyFieldExists(record, error));
    EXPECT_EQ(error, "");
    AllKinds empty(parse(R"({"unknown":1})").get());
    EXPECT_FALSE(protocol::checkAnyFieldExists(empty, error));
    EXPECT_EQ(error, "no field exist!");
}

TEST(JSONRecordCheck, TableValidatorsRunInOrderAndStopAtTheFirstFailure)
{
    struct Row
    {
        const char *json;
        bool ok;
        const char *error;
    };
    const Row rows[] = {
        {R"({"name":"g","secheduleGuid":"s","phone":"123","doorGuids":["d"]})", true, ""},
        {R"({"name":"","secheduleGuid":"","phone":"","doorGuids":[]})", false, "name can't be empty!"},
        {R"({"name":"a/b","secheduleGuid":"","phone":"","doorGuids":[]})", false,
         "name contain invalid char [/:*?\xA1\xB0<>|]."},
        {R"({"name":"g","secheduleGuid":"","phone":"","doorGuids":[]})", false, "secheduleGuid can't be empty!"},
        {R"({"name":"g","secheduleGuid":"s","phone":"12","doorGuids":[]})", false, "phone not match format!"},
        {R"({"name":"g","secheduleGuid":"s","phone":"123","doorGuids":[]})", false, "doorGuids can't be empty!"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.json);
        GroupParam param(parse(row.json).get());
        std::string error;
        const protocol::IInboundData &inbound = param;
        EXPECT_EQ(inbound.check(error), row.ok);
        EXPECT_EQ(error, row.error);
    }
}

TEST(JSONRecordCheck, RecordRulesAfterFieldRules)
{
    struct Row
    {
        const char *json;
        bool ok;
        const char *error;
    };
    const Row rows[] = {
        {R"({"objectName":"door","objectNo":1})", true, ""},
        {R"({"objectName":"door","objectNo":0})", false, "objectNo is not correct."},
        {R"({"objectName":"","objectNo":0})", false, "objectName can't be empty!"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.json);
        ObjectParam param(parse(row.json).get());
        std::string error;
        EXPECT_EQ(param.check(error), row.ok);
        EXPECT_EQ(error, row.error);
    }
    ObjectParam longName;
    longName.objectName = repeat(kChinese, 33);
    longName.objectNo = 1;
    std::string error;
    EXPECT_FALSE(longName.check(error));
    EXPECT_EQ(error, "objectName length is greater than 64.");
}
