#pragma once
// An IHTTPClient for the commlayer tests: every request must match a route of the route
// table (method, URL, body key); answers are canned ReturnData texts, by default the
// fixture of data/answers.json for the route's operation.

#include <CommunicationLayer/IHTTPClient.h>
#include <JSONStruct/Routes/Routes.h>

#include <Base/Error.h>

#include <cjson/cJSON.h>
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace commtest {

inline std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

inline std::string printNode(const cJSON *node)
{
    char *text = node ? cJSON_PrintUnformatted(node) : nullptr;
    std::string out = text ? text : "";
    cJSON_free(text);
    return out;
}

/// The "data" objects of data/answers.json, by operation name, as compact JSON text.
inline const std::map<std::string, std::string> &fixtures()
{
    static const std::map<std::string, std::string> table = [] {
        std::map<std::string, std::string> out;
        cJSON *root = cJSON_Parse(readFile(QORVA_TEST_DATA_DIR "/answers.json").c_str());
        const cJSON *item = nullptr;
        cJSON_ArrayForEach(item, root) out[item->string] = printNode(item);
        cJSON_Delete(root);
        return out;
    }();
    return table;
}

inline std::string returnDataText(const std::string &code, const std::string &data)
{
    std::string text = "{\"code\":\"" + code + "\",\"msg\":\"\"";
    if (!data.empty())
        text += ",\"data\":" + data;
    return text + "}";
}

struct CannedAnswer
{
    bool ok = true;
    Base::Error::ErrorCode error; // set as last error when ok is false
    std::string contentType = protocol::routes::kJsonContentType;
    std::string body;
};

class CFakeHTTPClient : public commlayer::IHTTPClient
{
public:
    struct Call
    {
        commlayer::RequestParams params;
        bool retry = false;
        const protocol::routes::Route *route = nullptr;
        std::string urlId;
    };

    /// Replaces the default answer (the route's fixture with code "0-0").
    std::function<CannedAnswer(const protocol::routes::Route &)> answer;
    /// Thrown instead of answering when set.
    std::function<void()> thrower;
    std::vector<Call> calls;

    bool request(commlayer::RspInfos &rsp, const commlayer::RequestParams &params,
                 bool retry) override
    {
        Call call{params, retry, nullptr, std::string()};
        call.route = protocol::routes::matchRoute(params.method, params.url, &call.urlId);
        calls.push_back(call);
        if (call.route == nullptr) {
            ADD_FAILURE() << "no route for " << protocol::routes::methodName(params.method) << " "
                          << params.url;
            Base::Error::SetLastError(protocol::routes::kServerModule,
                                      protocol::routes::ErrUnknownRoute);
            return false;
        }
        checkBody(*call.route, params);
        if (thrower)
            thrower();

        CannedAnswer canned;
        if (answer) {
            canned = answer(*call.route);
        } else {
            const auto fixture = fixtures().find(call.route->operation);
            canned.body = returnDataText("0-0", fixture == fixtures().end() ? std::string()
                                                                            : fixture->second);
        }
        if (!canned.ok) {
            Base::Error::SetLastError(canned.error);
            return false;
        }
        rsp.body = canned.body;
        if (!canned.contentType.empty())
            rsp.headers["Content-Type"] = canned.contentType;
        return true;
    }

private:
    // The body is the request record inside an object keyed by the route's request key.
    static void checkBody(const protocol::routes::Route &route,
                          const commlayer::RequestParams &params)
    {
        const auto contentType = params.headers.find("Content-Type");
        if (route.requestKey[0] == '\0') {
            EXPECT_TRUE(params.body.empty()) << route.operation << " sends a body: " << params.body;
            EXPECT_EQ(contentType, params.headers.end()) << route.operation;
            return;
        }
        ASSERT_NE(contentType, params.headers.end()) << route.operation;
        EXPECT_EQ(contentType->second, protocol::routes::kJsonContentType);
        cJSON *root = cJSON_Parse(params.body.c_str());
        ASSERT_TRUE(cJSON_IsObject(root)) << route.operation << ": " << params.body;
        EXPECT_EQ(cJSON_GetArraySize(root), 1) << route.operation << ": " << params.body;
        const cJSON *record = root->child;
        ASSERT_NE(record, nullptr);
        EXPECT_STREQ(record->string, route.requestKey) << route.operation;
        EXPECT_TRUE(cJSON_IsObject(record)) << route.operation;
        cJSON_Delete(root);
    }
};

} // namespace commtest
