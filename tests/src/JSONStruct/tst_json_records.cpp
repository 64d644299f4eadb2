#include "TestRecords.h"

#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/Framework/ComponentRegisterInfo.h>
#include <JSONStruct/LPC/WindowCommandData.h>

#include <testsupport/Json.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

using namespace testrecords;
using testsupport::compactOwned;
using testsupport::keysOwned;
const auto parse = testsupport::parseJson;

namespace {

// The value of one AllKinds field as text, so that one table covers every kind.
std::string fieldText(const AllKinds &r, const std::string &key)
{
    if (key == "name")
        return r.name;
    if (key == "remark")
        return r.remark;
    if (key == "count")
        return std::to_string(r.count);
    if (key == "big")
        return std::to_string(r.big);
    if (key == "ratio")
        return std::to_string(r.ratio);
    if (key == "enabled")
        return r.enabled ? "true" : "false";
    if (key == "serial")
        return r.serial;
    return "?";
}

struct ReadRow
{
    const char *key;
    const char *member; // JSON text of the member's value
    const char *expected;
};

} // namespace

TEST(JSONRecordRead, EveryKindConvertsItsMember)
{
    const ReadRow rows[] = {
        {"name", R"("abc")", "abc"},
        {"name", R"(5)", ""},
        {"name", R"(null)", ""},
        {"name", R"(true)", ""},
        {"name", R"({"a":"b"})", ""},
        {"name", R"(["a"])", ""},
        {"name", R"("\u4e2d")", "\xE4\xB8\xAD"},
        {"remark", R"("r")", "r"},
        {"count", R"(42)", "42"},
        {"count", R"(3.7)", "3"},
        {"count", R"(-3.7)", "-3"},
        {"count", R"(1e12)", "2147483647"},
        {"count", R"(-1e12)", "-2147483648"},
        {"count", R"(1e400)", "2147483647"},
        {"count", R"(true)", "1"},
        {"count", R"(false)", "0"},
        {"count", R"("12")", "0"},
        {"count", R"(null)", "0"},
        {"count", R"([7])", "0"},
        {"big", R"(12345678901234)", "12345678901234"},
        {"big", R"(-3.9)", "-3"},
        {"big", R"(1e30)", "9223372036854775807"},
        {"big", R"(-1e30)", "-9223372036854775808"},
        {"big", R"(true)", "0"},
        {"big", R"("7")", "0"},
        {"ratio", R"(1.5)", "1.500000"},
        {"ratio", R"("1.5")", "0.000000"},
        {"ratio", R"(true)", "0.000000"},
        {"enabled", R"(true)", "true"},
        {"enabled", R"(1)", "true"},
        {"enabled", R"(1.9)", "true"},
        {"enabled", R"(2)", "false"},
        {"enabled", R"(0)", "false"},
        {"enabled", R"(-1)", "false"},
        {"enabled", R"(false)", "false"},
        {"enabled", R"("true")", "false"},
        {"enabled", R"(null)", "false"},
        {"serial", R"(12345678901234567)", "12345678901234568"},
        {"serial", R"(3.9)", "3"},
        {"serial", R"(-2.5)", "-2"},
        {"serial", R"("77")", "0"},
    };
    for (const ReadRow &row : rows) {
        SCOPED_TRACE(std::string(row.key) + ": " + row.member);
        const auto node = parse(std::string("{\"") + row.key + "\":" + row.member + "}");
        ASSERT_TRUE(node);
        AllKinds record(node.get());
        EXPECT_EQ(fieldText(record, row.key), row.expected);
        // A member of the wrong type still counts as present.
        EXPECT_TRUE(record.hasKey(row.key));
        EXPECT_EQ(record.presentKeys.size(), 1u);
    }
}

TEST(JSONRecordRead, LookupIgnoresCaseButHasKeyDoesNot)
{
    const auto node = parse(R"({"NAME":"first","name":"second","Count":3,"DOOR":{"GUID":"g"}})");
    AllKinds record(node.get());
    EXPECT_EQ(record.name, "first"); // first member that matches wins
    EXPECT_EQ(record.count, 3);
    EXPECT_EQ(record.door.guid, "g");
    EXPECT_TRUE(record.hasKey("name"));
    EXPECT_FALSE(record.hasKey("NAME"));
    EXPECT_TRUE(record.hasKey("count"));
    EXPECT_FALSE(record.hasKey("Count"));
    EXPECT_TRUE(record.hasKey("door"));
    // The nested record keeps its own keys.
    EXPECT_TRUE(record.door.hasKey("guid"));
    EXPECT_FALSE(record.door.hasKey("no"));
    EXPECT_FALSE(record.hasKey("guid"));
}

TEST(JSONRecordRead, MemberOrderDoesNotChangeWhichMemberIsRead)
{
    // Reference: one case-insensitive first-match lookup per key, as cJSON does it.
    const char *texts[] = {
        R"({"name":"a","remark":"r","count":1,"big":2,"ratio":3,"enabled":true,"serial":4})",
        R"({"serial":4,"enabled":true,"ratio":3,"big":2,"count":1,"remark":"r","name":"a"})",
        R"({"count":1,"name":"a","NAME":"b","Count":2,"ratio":3,"name":"c"})",
        R"({"x":0,"name":"a","y":1,"count":5,"COUNT":6,"z":2,"big":7})",
        R"({"big":1,"ratio":2,"enabled":1,"serial":3,"remark":"q","count":4,"name":"n","big":9,"REMARK":"w"})",
        R"({"a1":1,"a2":2,"a3":3,"a4":4,"a5":5,"a6":6,"a7":7,"a8":8,"a9":9,"serial":1,"ratio":2,"big":3,)"
        R"("count":4,"remark":"r","name":"n","enabled":true,"name":"m"})",
    };
    const char *keys[] = {"name", "remark", "count", "big", "ratio", "enabled", "serial"};
    for (const char *text : texts) {
        SCOPED_TRACE(text);
        const auto node = parse(text);
        ASSERT_TRUE(node);
        AllKinds record(node.get());
        for (const char *key : keys) {
            AllKinds single(
                parse(std::string("{\"") + key + "\":" +
                      compactOwned(cJSON_Duplicate(cJSON_GetObjectItem(node.get(), key), 1)) + "}")
                    .get());
            if (cJSON_GetObjectItem(node.get(), key) == nullptr)
                single = AllKinds();
            EXPECT_EQ(fieldText(record, key), fieldText(single, key)) << key;
        }
    }
}

TEST(JSONRecordRead, PresentKeysGrowAcrossReads)
{
    AllKinds record;
    record.fromJSON(parse(R"({"name":"a"})").get());
    record.fromJSON(parse(R"({"name":"b","count":1})").get());
    record.fromJSON(parse(R"({"ratio":2})").get());
    EXPECT_EQ(record.presentKeys.size(), 3u);
    EXPECT_EQ(record.name, "b");
    EXPECT_EQ(record.count, 1); // a later read without the key leaves the value
    EXPECT_TRUE(record.hasKey("name") && record.hasKey("count") && record.hasKey("ratio"));
}

// Table keys are kept by address, free-form keys by copy: a key counts once whichever way
// it came and wherever its text lives, and two sets compare by their keys alone.
TEST(JSONRecordRead, KeySetCountsEachTextOnce)
{
    protocol::KeySet set;
    const std::string name = "name";
    set.insertStatic("name");
    set.insertStatic(name.c_str()); // same text, another address
    set.emplace("name");
    set.emplace("door");
    set.insertStatic("door");
    EXPECT_EQ(set.size(), 2u);
    EXPECT_EQ(set.count("name"), 1u);
    EXPECT_EQ(set.count("Name"), 0u);
    EXPECT_EQ(set.keys(), (std::vector<std::string>{"door", "name"}));

    protocol::KeySet other;
    other.emplace("name");
    other.insertStatic("door");
    EXPECT_EQ(set, other);
    other.emplace("guid");
    EXPECT_NE(set, other);
}

TEST(JSONRecordRead, ListsAreRebuiltOnEveryReadWithANode)
{
    AllKinds record(parse(R"({"doorList":[{"guid":"a"},{"guid":"b","no":2}],
                             "guidList":["x",5,"y"],"flags":[1,0,true,"1"]})")
                        .get());
    ASSERT_EQ(record.doorList.size(), 2u);
    EXPECT_EQ(record.doorList[1].no, 2);
    EXPECT_TRUE(record.doorList[1].hasKey("no"));
    EXPECT_FALSE(record.doorList[0].hasKey("no"));
    EXPECT_EQ(record.guidList, (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(record.flags, (std::vector<std::int32_t>{1, 0, 1, 0}));

    // A null node touches nothing, lists included.
    record.fromJSON(nullptr);
    EXPECT_EQ(record.doorList.size(), 2u);
    EXPECT_EQ(record.guidList.size(), 3u);

    // An object without the keys empties every list but leaves the other fields.
    record.name = "kept";
    record.fromJSON(parse(R"({"other":1})").get());
    EXPECT_TRUE(record.doorList.empty());
    EXPECT_TRUE(record.guidList.empty());
    EXPECT_TRUE(record.flags.empty());
    EXPECT_EQ(record.name, "kept");
    EXPECT_TRUE(record.hasKey("doorList")); // from the first read
}

TEST(JSONRecordRead, ListMembersOfOtherTypes)
{
    struct Row
    {
        const char *json;
        std::size_t doors;
    };
    const Row rows[] = {
        {R"({"doorList":"x"})", 0},
        {R"({"doorList":null})", 0},
        {R"({"doorList":[]})", 0},
        {R"({"doorList":[1,"a",null]})", 3}, // elements that are not objects read as defaults
        {R"({"doorList":{"a":{"guid":"g"},"b":2}})", 2},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.json);
        AllKinds record(parse(row.json).get());
        EXPECT_EQ(record.doorList.size(), row.doors);
        EXPECT_TRUE(record.hasKey("doorList"));
    }
    AllKinds fromObject(parse(R"({"doorList":{"a":{"guid":"g"}}})").get());
    ASSERT_EQ(fromObject.doorList.size(), 1u);
    EXPECT_EQ(fromObject.doorList[0].guid, "g");
}

TEST(JSONRecordRead, NullNodeLeavesEverythingAlone)
{
    AllKinds record(parse(R"({"name":"n","count":4,"door":{"guid":"d"},"guidList":["g"]})").get());
    const std::string before = compactOwned(record.toJSON());
    const auto keysBefore = record.presentKeys;
    record.fromJSON(nullptr);
    EXPECT_EQ(compactOwned(record.toJSON()), before);
    EXPECT_EQ(record.presentKeys, keysBefore);
}

TEST(JSONRecordWrite, DefaultsAreWrittenInTableOrder)
{
    AllKinds record;
    EXPECT_EQ(compactOwned(record.toJSON()),
              R"({"name":"","count":0,"big":0,"ratio":0,"enabled":false,"serial":"",)"
              R"("door":{"guid":"","no":0},"doorList":[],"guidList":[],"flags":[]})");
}

TEST(JSONRecordWrite, OptionalStringOnlyWhenNotEmpty)
{
    AllKinds record;
    record.remark = "r";
    record.serial = "12345678901234567";
    const auto keys = keysOwned(record.toJSON());
    ASSERT_GE(keys.size(), 2u);
    EXPECT_EQ(keys[1], "remark");
    const std::string text = compactOwned(record.toJSON());
    EXPECT_NE(text.find(R"("serial":"12345678901234567")"), std::string::npos);
}

TEST(JSONRecordWrite, RoundTripKeepsValues)
{
    const char *text = R"({"name":"n","remark":"r","count":-5,"big":1234567890123,"ratio":0.25,)"
                       R"("enabled":true,"serial":"99","door":{"guid":"d","no":1},)"
                       R"("doorList":[{"guid":"a","no":2}],"guidList":["x"],"flags":[1,0,1]})";
    AllKinds record(parse(text).get());
    record.serial = "99"; // numeric text is read from numbers only
    EXPECT_EQ(compactOwned(record.toJSON()), text);
}

TEST(JSONRecordWrite, NumbersPrintAsThePrinterDoes)
{
    struct Row
    {
        double ratio;
        const char *printed;
    };
    const Row rows[] = {
        {0.1, "0.1"},
        {1.0 / 3.0, "0.33333333333333331"},
        {123456789012345.0, "123456789012345"},
        {-2147483648.0, "-2147483648"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {std::numeric_limits<double>::infinity(), "null"},
        // The packaged printer is not exact from 1e15 on: 2^53 loses its last digits.
        {9007199254740992.0, "9.00719925474099e+15"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.printed);
        AllKinds record;
        record.ratio = row.ratio;
        const std::string text = protocol::printJSON(protocol::JSONNodePtr(record.toJSON()).get());
        EXPECT_NE(text.find(std::string("\"ratio\":\t") + row.printed + ",\n"), std::string::npos) << text;
    }
}

// Printing writes into room estimated from the tree and prints again when the estimate
// falls short; whatever the content, the text is the library printer's.
TEST(JSONTextPrint, SameTextAsTheLibraryPrinter)
{
    const std::string controls(300, '\x01'); // each escaped to six characters
    const std::string quotes(200, '"');
    const char *texts[] = {
        "{}",
        "[]",
        R"({"a":{},"b":[],"c":[[],[{}]],"d":null,"e":true,"f":false})",
        R"({"n":[-1.2345678901234567e-300,1.7976931348623157e308,-0,123456789012345]})",
        R"({"text":"\u5f20\u4e09 \u00e9","nested":{"deeper":{"deepest":[1,"x",{"k":"v"}]}}})",
    };
    std::vector<protocol::JSONNodePtr> trees;
    for (const char *text : texts)
        trees.emplace_back(parse(text).release());
    protocol::JSONNodePtr escapes(cJSON_CreateObject());
    cJSON_AddStringToObject(escapes.get(), "controls", controls.c_str());
    cJSON_AddStringToObject(escapes.get(), quotes.c_str(), quotes.c_str());
    trees.push_back(std::move(escapes));
    protocol::JSONNodePtr wide(cJSON_CreateArray());
    for (int i = 0; i < 2000; ++i)
        cJSON_AddItemToArray(wide.get(), cJSON_CreateNumber(-1.0 / (i + 3)));
    trees.push_back(std::move(wide));

    for (const auto &tree : trees) {
        ASSERT_TRUE(tree);
        char *expected = cJSON_Print(tree.get());
        ASSERT_NE(expected, nullptr);
        EXPECT_EQ(protocol::printJSON(tree.get()), std::string(expected));
        cJSON_free(expected);
    }
    EXPECT_EQ(protocol::printJSON(nullptr), "");
}

// Envelopes print records without copying their strings; a tree built by toJSON outside
// that printing must still own its strings once the record is gone.
TEST(JSONRecordWrite, TreesOwnTheirStringsOutsideEnvelopePrinting)
{
    auto record = std::make_unique<AllKinds>();
    record->name = std::string(64, 'n');
    record->remark = std::string(40, 'r');
    record->guidList = {std::string(50, 'g'), "short"};
    record->door.guid = std::string(30, 'd');
    const std::string owned = protocol::printJSON(protocol::JSONNodePtr(record->toJSON()).get());

    protocol::JSONNodePtr copied(cJSON_CreateObject());
    cJSON_AddItemToObject(copied.get(), "data", record->toJSON());
    EXPECT_EQ(protocol::printWithRecord(protocol::JSONNodePtr(cJSON_CreateObject()), "data",
                                        record.get()),
              protocol::printJSON(copied.get()));

    // Built after the envelope printed: owns its strings, so the record may go first.
    protocol::JSONNodePtr kept(record->toJSON());
    record.reset();
    std::vector<std::string> reuse(64, std::string(64, 'x')); // reuses the freed memory
    EXPECT_EQ(protocol::printJSON(kept.get()), owned);
}

TEST(JSONRecordWrite, IgnoreSettings)
{
    struct Row
    {
        std::int32_t mode;
        std::vector<std::string> items;
        std::vector<std::string> keys;
    };
    const std::vector<std::string> all{"name", "count", "big", "ratio", "enabled", "serial",
                                       "door", "doorList", "guidList", "flags"};
    const Row rows[] = {
        {0, {}, all},
        {0, {"name"}, {"count", "big", "ratio", "enabled", "serial", "door", "doorList", "guidList", "flags"}},
        {0, {"door", "doorList", "NAME"}, {"name", "count", "big", "ratio", "enabled", "serial", "guidList", "flags"}},
        {1, {"name"}, {"name"}},
        {1, {"doorList", "count", "missing"}, {"count", "doorList"}},
        {1, {}, {}},
        {1, {""}, {}},
        {7, {"name"}, all},
        {-1, {"name"}, all},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(::testing::Message() << "mode " << row.mode << ", " << row.items.size() << " items");
        AllKinds record;
        record.doorList.resize(1);
        record.ignoreMode = row.mode;
        record.ignoreItems = row.items;
        EXPECT_EQ(keysOwned(record.toJSON()), row.keys);
    }
}

TEST(JSONRecordWrite, NestedRecordsApplyTheirOwnIgnoreSettings)
{
    AllKinds record;
    record.ignoreMode = 1;
    record.ignoreItems = {"door", "doorList"};
    record.door.ignoreMode = 1;
    record.door.ignoreItems = {"no"};
    Door element;
    element.ignoreItems = {"guid"};
    record.doorList = {element, Door()};
    // The parent's items do not reach into the children, and an element's own
    // settings only drop its own members: array elements are never dropped.
    EXPECT_EQ(compactOwned(record.toJSON()),
              R"({"door":{"no":0},"doorList":[{"no":0},{"guid":"","no":0}]})");
}

TEST(JSONRecordValue, CopyKeepsFieldsKeysAndIgnoreSettings)
{
    AllKinds original(parse(R"({"name":"n","doorList":[{"guid":"a"}]})").get());
    original.ignoreMode = 1;
    original.ignoreItems = {"name"};
    AllKinds copy = original;
    EXPECT_EQ(copy.presentKeys, original.presentKeys);
    EXPECT_EQ(copy.ignoreMode, 1);
    EXPECT_EQ(copy.ignoreItems, original.ignoreItems);
    copy.doorList[0].guid = "changed";
    EXPECT_EQ(original.doorList[0].guid, "a"); // elements are held by value
    EXPECT_EQ(compactOwned(copy.toJSON()), R"({"name":"n"})");

    AllKinds assigned;
    assigned = original;
    EXPECT_TRUE(assigned.hasKey("doorList"));
    EXPECT_EQ(compactOwned(assigned.toJSON()), R"({"name":"n"})");
}

TEST(JSONRecordValue, TwoInterfacesShareIgnoreSettingsAndKeys)
{
    Shared record(parse(R"({"GUID":"g"})").get());
    EXPECT_TRUE(record.hasKey("guid"));
    EXPECT_TRUE(static_cast<const protocol::IInboundData &>(record).hasKey("guid"));
    EXPECT_TRUE(static_cast<const protocol::IReturnData &>(record).hasKey("guid"));
    protocol::IReturnData &asAnswer = record;
    asAnswer.ignoreMode = 1; // one ignore setting, seen through either interface
    EXPECT_EQ(compactOwned(static_cast<protocol::IInboundData &>(record).toJSON()), "{}");
}

TEST(JSONRecordValue, NotificationBodyRecord)
{
    Notice notice(parse(R"({"authCode":"A1","door":{"no":3}})").get());
    EXPECT_EQ(notice.door.no, 3);
    notice.ignoreItems = {"door"};
    EXPECT_EQ(compactOwned(notice.toJSON()), R"({"authCode":"A1"})");
}

TEST(WindowCommandRecords, KeysNamesAndValues)
{
    struct Row
    {
        protocol::ILPCData *record;
        const char *name;
        std::vector<std::string> keys;
    };
    protocol::GetWndHandleRequestData getRequest;
    protocol::GetWndHandleResponseData getResponse;
    protocol::ShowWndRequestData show;
    protocol::SwitchUserUpdateFrameRequestData switchUser;
    const Row rows[] = {
        {&getRequest, "getWndHandle", {"type", "id"}},
        {&getResponse, "getWndHandle", {"wndId"}},
        {&show, "showWnd", {"type", "id"}},
        {&switchUser, "switchUserUpdateFrame", {"updateFrame"}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_STREQ(row.record->name(), row.name);
        EXPECT_EQ(keysOwned(row.record->toJSON()), row.keys);
    }

    protocol::GetWndHandleRequestData request(parse(R"({"type":2,"id":"VisitorApplication"})").get());
    EXPECT_EQ(request.type, 2);
    EXPECT_EQ(request.id, "VisitorApplication");
    EXPECT_TRUE(protocol::SwitchUserUpdateFrameRequestData(parse(R"({"updateFrame":1})").get()).updateFrame);
    EXPECT_FALSE(protocol::SwitchUserUpdateFrameRequestData(parse(R"({"updateFrame":2})").get()).updateFrame);
}

TEST(ComponentRegisterInfo, WritesBothListsInOrder)
{
    protocol::ComponentRegisterInfo info;
    EXPECT_STREQ(info.name(), "componentRegisterInfo");
    info.supportUrlList = {"/7310/v1/internal/template/tests"};
    info.supportMethodList = {"getWndHandle", "showWnd", "switchUserUpdateFrame", "clientDisconnected"};
    EXPECT_EQ(
        compactOwned(info.toJSON()),
        R"({"supportUrlList":["/7310/v1/internal/template/tests"],)"
        R"("supportMethodList":["getWndHandle","showWnd","switchUserUpdateFrame","clientDisconnected"]})");
    // No validators: check accepts and leaves the error text alone.
    std::string error = "untouched";
    EXPECT_TRUE(info.check(error));
    EXPECT_EQ(error, "untouched");
}
