#include "TestRecords.h"

#include <JSONStruct/Core/GenericRecord.h>
#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/LPC/LPCCommonJSONStruct.h>
#include <JSONStruct/LPC/WindowCommandData.h>
#include <JSONStruct/WebSocket/WebSocketCommonJSONStruct.h>

#include <Base/LogCapture.h>

#include <testsupport/Json.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

using Base::details::CLogCapture;
using Base::details::LogLevel;
using namespace protocol;

namespace {

std::string parseFailure(const std::string &text, const std::string &rest)
{
    return "Failed to cJSON_Parse( [" + text + "] ). Error info: [" + rest + "].";
}

} // namespace

TEST(ErrorCodeText, Str2ErrorCode)
{
    struct Row
    {
        const char *text;
        std::uint32_t module;
        std::uint32_t code;
        bool logged;
    };
    const Row rows[] = {
        {"0-0", 0, 0, false},
        {"1-7", 1, 7, false},
        {"67-1015", 67, 1015, false},
        {" 12- 34", 12, 34, false},
        {"1a-2b", 1, 2, false},
        {"a-b", 0, 0, false},
        {"-", 0, 0, false},
        {"4294967295-1", 4294967295u, 1, false},
        {"17", 0, 0, true},
        {"", 0, 0, true},
        {"1-2-3", 0, 0, true},
        {"1--2", 0, 0, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.text);
        CLogCapture capture;
        const Base::Error::ErrorCode code = Str2ErrorCode(row.text);
        EXPECT_EQ(code.module, row.module);
        EXPECT_EQ(code.code, row.code);
        EXPECT_EQ(capture.contains(std::string("Invalid return code. code: [") + row.text + "]."), row.logged);
        EXPECT_EQ(capture.messages().size(), row.logged ? 1u : 0u);
    }
    EXPECT_EQ(ErrorCode2Str(Base::Error::ErrorCode(67, 1015)), "67-1015");
    EXPECT_EQ(ErrorCode2Str(Base::Error::ErrorCode()), "0-0");
}

TEST(ReturnDataEnvelope, ParseFillsCodeMessageAndAnswer)
{
    auto answer = std::make_shared<testrecords::Door>();
    ReturnData envelope(answer);
    ASSERT_TRUE(envelope.Parse(R"({"code":"0-0","msg":"","data":{"guid":"g","no":4}})"));
    EXPECT_EQ(envelope.code, Base::Error::ErrorCode());
    EXPECT_EQ(answer->guid, "g");
    EXPECT_EQ(answer->no, 4);

    ReturnData failed;
    ASSERT_TRUE(failed.Parse(R"(  {"CODE":"1-7","Msg":"busy","data":{"x":1}} trailing)"));
    EXPECT_EQ(failed.code, Base::Error::ErrorCode(1, 7));
    EXPECT_EQ(failed.msg, "busy");
    EXPECT_EQ(failed.data, nullptr); // without an answer record "data" is skipped
}

TEST(ReturnDataEnvelope, CodeOfOtherTypesReadsAsEmptyText)
{
    CLogCapture capture;
    ReturnData envelope;
    envelope.code = Base::Error::ErrorCode(3, 3);
    ASSERT_TRUE(envelope.Parse(R"({"code":5})"));
    EXPECT_EQ(envelope.code, Base::Error::ErrorCode());
    EXPECT_TRUE(capture.contains("Invalid return code. code: []."));

    ReturnData withoutCode;
    ASSERT_TRUE(withoutCode.Parse(R"({"msg":"m"})"));
    EXPECT_EQ(withoutCode.code, Base::Error::ErrorCode());
    EXPECT_EQ(withoutCode.msg, "m");
}

TEST(Envelopes, ParseFailuresLogAndChangeNothing)
{
    struct Row
    {
        const char *text;
        const char *rest; // remaining input from the failure position
    };
    const Row rows[] = {
        {"{", "{"},
        {"nul", "nul"},
        {R"({"code":"1-1",})", "}"},
        {R"([1,)", ","},
        {"\"abc", "abc"},
    };
    using ParseCall = std::function<bool(const std::string &)>;
    ReturnData returnData;
    LPCRequestData request;
    LPCResponseData response;
    WebSocketNotifyData notify;
    const std::pair<const char *, ParseCall> envelopes[] = {
        {"HTTPCommonJSONStruct.cpp", [&](const std::string &t) { return returnData.Parse(t); }},
        {"LPCCommonJSONStruct.cpp", [&](const std::string &t) { return request.Parse(t); }},
        {"LPCCommonJSONStruct.cpp", [&](const std::string &t) { return response.Parse(t); }},
        {"WebSocketCommonJSONStruct.cpp", [&](const std::string &t) { return notify.Parse(t); }},
    };
    for (const auto &envelope : envelopes) {
        for (const Row &row : rows) {
            SCOPED_TRACE(std::string(envelope.first) + ": " + row.text);
            CLogCapture capture;
            EXPECT_FALSE(envelope.second(row.text));
            const auto lines = capture.lines();
            ASSERT_EQ(lines.size(), 1u);
            EXPECT_EQ(lines[0].level, LogLevel::Error);
            EXPECT_EQ(lines[0].file, envelope.first);
            EXPECT_NE(lines[0].function.find("Parse"), std::string::npos);
            EXPECT_EQ(lines[0].message, parseFailure(row.text, row.rest));
        }
        CLogCapture capture;
        EXPECT_FALSE(envelope.second(""));
        EXPECT_TRUE(capture.messages().empty()); // empty text fails silently
    }
    EXPECT_EQ(returnData.code, Base::Error::ErrorCode());
    EXPECT_TRUE(request.method.empty());
    EXPECT_EQ(response.errorCode, 0);
    EXPECT_TRUE(notify.type.empty());
}

TEST(Envelopes, DeepNestingIsRefused)
{
    const std::string deep = "{\"data\":" + std::string(1001, '[') + std::string(1001, ']') + "}";
    CLogCapture capture;
    LPCRequestData request;
    EXPECT_FALSE(request.Parse(deep));
    EXPECT_EQ(capture.messages().size(), 1u);
}

TEST(LPCRequestEnvelope, PayloadComesFromTheFactory)
{
    LPCRequestData request;
    ASSERT_TRUE(request.Parse(R"({"method":"showWnd","data":{}})"));
    EXPECT_EQ(request.method, "showWnd");
    ASSERT_NE(request.data, nullptr);
    EXPECT_NE(dynamic_cast<ShowWndRequestData *>(request.data.get()), nullptr);

    LPCRequestData getWnd;
    ASSERT_TRUE(getWnd.Parse(R"({"method":"getWndHandle","data":{"type":1,"id":"TemplateToolMenu"}})"));
    auto *payload = dynamic_cast<GetWndHandleRequestData *>(getWnd.data.get());
    ASSERT_NE(payload, nullptr);
    EXPECT_EQ(payload->type, 1);
    EXPECT_EQ(payload->id, "TemplateToolMenu");

    struct Row
    {
        const char *text;
        const char *method;
    };
    const Row nullPayloads[] = {
        {R"({"method":"noSuchMethod","data":{}})", "noSuchMethod"},
        {R"({"method":"showWnd"})", "showWnd"},
        {R"({"data":{"type":1}})", ""},
        {R"({"method":"componentClosed","data":{}})", "componentClosed"}, // response payload only
        {R"({"method":"groupAdded","data":{}})", "groupAdded"},           // a notification type
        {R"([1,2])", ""},
    };
    for (const Row &row : nullPayloads) {
        SCOPED_TRACE(row.text);
        LPCRequestData envelope;
        EXPECT_TRUE(envelope.Parse(row.text));
        EXPECT_EQ(envelope.method, row.method);
        EXPECT_EQ(envelope.data, nullptr);
    }
}

TEST(LPCRequestEnvelope, GivenPayloadIsFilledAndNamesTheMethod)
{
    auto payload = std::make_shared<ShowWndRequestData>();
    LPCRequestData request(payload);
    EXPECT_EQ(request.method, "showWnd");
    ASSERT_TRUE(request.Parse(R"({"method":"other","data":{"type":3,"id":"w"}})"));
    EXPECT_EQ(request.method, "other");
    EXPECT_EQ(request.data, payload);
    EXPECT_EQ(payload->id, "w");
    EXPECT_EQ(request.toString(), "{\n\t\"method\":\t\"other\",\n\t\"data\":\t{\n\t\t\"type\":\t3,\n\t\t\"id\":\t\"w\"\n\t}\n}");

    EXPECT_EQ(LPCRequestData(std::make_shared<GenericLPCData>()).method, ""); // a payload without name
    EXPECT_EQ(LPCRequestData().toString(), "{\n\t\"method\":\t\"\"\n}");
}

TEST(LPCResponseEnvelope, DefaultsAndPayload)
{
    EXPECT_EQ(LPCResponseData().toString(), "{\n\t\"errorCode\":\t0,\n\t\"errorModule\":\t0,\n\t\"method\":\t\"\"\n}");

    auto answer = std::make_shared<GetWndHandleResponseData>();
    answer->wndId = -1;
    LPCResponseData response(answer);
    response.errorCode = 12;
    response.errorModule = 7;
    EXPECT_EQ(response.toString(), "{\n\t\"errorCode\":\t12,\n\t\"errorModule\":\t7,\n\t\"method\":\t\"getWndHandle\",\n"
                                   "\t\"data\":\t{\n\t\t\"wndId\":\t-1\n\t}\n}");

    LPCResponseData parsed;
    ASSERT_TRUE(parsed.Parse(R"({"errorCode":1e12,"errorModule":"7","method":"getWndHandle","data":{"wndId":77}})"));
    EXPECT_EQ(parsed.errorCode, 2147483647);
    EXPECT_EQ(parsed.errorModule, 0);
    auto *payload = dynamic_cast<GetWndHandleResponseData *>(parsed.data.get());
    ASSERT_NE(payload, nullptr);
    EXPECT_EQ(payload->wndId, 77);

    LPCResponseData requestOnly;
    ASSERT_TRUE(requestOnly.Parse(R"({"method":"showWnd","data":{}})"));
    EXPECT_EQ(requestOnly.data, nullptr); // "showWnd" has no response payload
}

TEST(NotifyEnvelope, GenericBodyKeepsItsTypeAndText)
{
    WebSocketNotifyData notify;
    ASSERT_TRUE(notify.Parse(R"({"guid":"n-1","type":"taskNameChanged","data":{"deviceGuid":"d","list":[1,{"a":null}]}})"));
    EXPECT_EQ(notify.guid, "n-1");
    ASSERT_NE(notify.data, nullptr);
    EXPECT_STREQ(notify.data->name(), "taskNameChanged");
    EXPECT_TRUE(notify.data->hasKey("deviceGuid"));
    EXPECT_EQ(notify.toString(), "{\n\t\"guid\":\t\"n-1\",\n\t\"type\":\t\"taskNameChanged\",\n\t\"data\":\t{\n"
                                 "\t\t\"deviceGuid\":\t\"d\",\n\t\t\"list\":\t[1, {\n\t\t\t\t\"a\":\tnull\n"
                                 "\t\t\t}]\n\t}\n}");

    notify.data->ignoreItems = {"list"};
    EXPECT_EQ(testsupport::compactOwned(notify.data->toJSON()), R"({"deviceGuid":"d"})");

    WebSocketNotifyData unknown;
    ASSERT_TRUE(unknown.Parse(R"({"guid":"g","type":"noSuchType","data":{}})"));
    EXPECT_EQ(unknown.data, nullptr);
    EXPECT_EQ(unknown.toString(), "{\n\t\"guid\":\t\"g\",\n\t\"type\":\t\"noSuchType\"\n}");

    WebSocketNotifyData lpcName;
    ASSERT_TRUE(lpcName.Parse(R"({"type":"showWnd","data":{}})"));
    EXPECT_EQ(lpcName.data, nullptr); // LPC methods are no notification types
}

TEST(NotifyEnvelope, GivenBodyIsUsed)
{
    auto body = std::make_shared<testrecords::Notice>();
    WebSocketNotifyData notify(body);
    EXPECT_TRUE(notify.type.empty());
    ASSERT_TRUE(notify.Parse(R"({"type":"appointmentDeleted","data":{"authCode":"A7"}})"));
    EXPECT_EQ(notify.data, body);
    EXPECT_EQ(body->authCode, "A7");
}

TEST(GenericRecords, CopyIsDeep)
{
    GenericWebsocketData original("x", testsupport::parseJson(R"({"a":{"b":1}})").get());
    GenericWebsocketData copy = original;
    original.fromJSON(testsupport::parseJson(R"({"c":2})").get());
    EXPECT_EQ(testsupport::compactOwned(copy.toJSON()), R"({"a":{"b":1}})");
    EXPECT_EQ(testsupport::compactOwned(original.toJSON()), R"({"c":2})");
    EXPECT_TRUE(original.hasKey("a") && original.hasKey("c"));
    copy = original;
    EXPECT_EQ(testsupport::compactOwned(copy.toJSON()), R"({"c":2})");
    EXPECT_STREQ(copy.name(), "x");
    EXPECT_EQ(testsupport::compactOwned(GenericLPCData().toJSON()), "{}");
}
