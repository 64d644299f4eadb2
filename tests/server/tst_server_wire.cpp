// The server core as the host sees it: raw requests, exact content type, error codes
// for malformed traffic, and that refused requests change nothing.

#include "ServerTestFixture.h"

#include <JSONStruct/Core/JSONText.h>

#include <cjson/cJSON.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

using namespace servertest;
using protocol::routes::MethodDelete;
using protocol::routes::MethodGet;
using protocol::routes::MethodPost;
using protocol::routes::MethodPut;

namespace {

struct Reply
{
    std::string contentType;
    std::string code;
    protocol::JSONNodePtr root;
};

} // namespace

class ServerWireTest : public ServerTest
{
protected:
    Reply send(int method, const std::string &url, const std::string &body = std::string())
    {
        const auto answer = server->handle(method, url, {}, body);
        Reply r;
        r.contentType = answer.contentType;
        const char *errorAt = nullptr;
        r.root = protocol::parseJSONText(answer.body, errorAt);
        const cJSON *code = r.root ? cJSON_GetObjectItem(r.root.get(), "code") : nullptr;
        r.code = cJSON_IsString(code) ? code->valuestring : "<none>";
        return r;
    }

    int appointmentTotal()
    {
        Reply r = send(MethodPost, "/7310/v1/appointments/query",
                       R"({"queryAppointmentResultCondition":{"pageNo":1,"pageSize":1}})");
        const cJSON *list = cJSON_GetObjectItem(cJSON_GetObjectItem(r.root.get(), "data"), "queryAppointmentResultList");
        return cJSON_GetObjectItem(list, "total") ? cJSON_GetObjectItem(list, "total")->valueint : -1;
    }
};

TEST_F(ServerWireTest, EveryAnswerCarriesTheExactJsonContentType)
{
    for (const auto &route : protocol::routes::routeTable()) {
        std::string url = route.url;
        const auto at = url.find("<id>");
        if (at != std::string::npos)
            url.replace(at, 4, "0123456789abcdef0123456789abcdef");
        const Reply r = send(route.method, url, route.requestKey[0] ? std::string("{}") : std::string());
        EXPECT_EQ(r.contentType, "application/json; charset=\"UTF-8\"") << route.operation;
        EXPECT_NE(r.code, "<none>") << route.operation;
    }
}

TEST_F(ServerWireTest, MalformedTrafficGetsItsErrorCode)
{
    struct Case
    {
        const char *what;
        int method;
        const char *url;
        std::string body;
        const char *code;
    };
    const Case cases[] = {
        {"unknown url", MethodGet, "/7310/v1/nothing", "", "20-1"},
        {"host route", MethodGet, "/framework/v1/operator/permissions", "", "20-1"},
        {"bad id", MethodPut, "/7310/v1/appointments/not-an-id", "{}", "20-1"},
        {"wrong method", MethodGet, "/7310/v1/appointments", "", "20-2"},
        {"unknown method", 9, "/7310/v1/appointments", "", "20-2"},
        {"not json", MethodPost, "/7310/v1/appointments", "{\"addAppointment\": [", "20-3"},
        {"json array", MethodPost, "/7310/v1/appointments", "[1,2]", "20-3"},
        {"empty body", MethodPost, "/7310/v1/appointments", "", "20-3"},
        {"no record", MethodPost, "/7310/v1/appointments", R"({"appointment":{}})", "20-4"},
        {"record not object", MethodPost, "/7310/v1/appointments", R"({"addAppointment":"x"})", "20-4"},
        {"list not array", MethodPost, "/7310/v1/appointments", R"({"addAppointment":{"appointmentList":{}}})",
         "20-5"},
        {"gender as text", MethodPost, "/7310/v1/appointments",
         R"({"addAppointment":{"appointmentList":[{"name":"a","gender":"male"}]}})", "20-5"},
        {"name as number", MethodPost, "/7310/v1/appointments",
         R"({"addAppointment":{"appointmentList":[{"name":5}]}})", "20-5"},
        {"fractional page", MethodPost, "/7310/v1/appointments/query",
         R"({"queryAppointmentResultCondition":{"pageNo":1.5,"pageSize":10}})", "20-5"},
        {"huge page", MethodPost, "/7310/v1/appointments/query",
         R"({"queryAppointmentResultCondition":{"pageNo":1,"pageSize":1e12}})", "20-5"},
        {"empty delete", MethodDelete, "/7310/v1/appointments", R"({"deleteAppointment":{"appointmentIDList":[]}})",
         "20-5"},
        {"ids not strings", MethodDelete, "/7310/v1/accessGroups",
         R"({"deleteAccessPointGroupCondition":{"deleteAccessPointGroupIDList":[1]}})", "20-5"},
        {"no query", MethodPost, "/framework/v1/persons/query", R"({"queryPerson":{"queryType":"basic"}})", "20-5"},
    };
    for (const Case &c : cases) {
        const Reply r = send(c.method, c.url, c.body);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_EQ(r.contentType, protocol::routes::kJsonContentType) << c.what;
    }
    EXPECT_EQ(appointmentTotal(), 0);
}

TEST_F(ServerWireTest, QueryAfterPathIsIgnoredAndSuccessHasCodeZero)
{
    const Reply r = send(MethodGet, "/7310/v1/accessGroups?x=1");
    EXPECT_EQ(r.code, "0-0");
    EXPECT_TRUE(cJSON_IsObject(cJSON_GetObjectItem(r.root.get(), "data")));
}

TEST_F(ServerWireTest, ResetReseedsAndClearsVisitorData)
{
    ASSERT_EQ(server->seedAppointments(3), 0u);
    const auto personsBefore = server->list("persons");
    ASSERT_EQ(server->reset(), 0u);
    EXPECT_EQ(appointmentTotal(), 0);
    const auto personsAfter = server->list("persons");
    EXPECT_EQ(personsAfter.size(), personsBefore.size());
    EXPECT_NE(personsAfter.at(1).at(0), personsBefore.at(1).at(0)) << "fresh ids";
    EXPECT_TRUE(server->list("no such table").empty());
}

namespace {

std::string readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

// A valid header with broken pages opens without complaint at the SQLite level; only the
// page check at open tells, and the file is left exactly as it was for a later rescue.
TEST_F(ServerWireTest, DamagedPagesAreFoundAtOpenAndTheFileIsLeftAlone)
{
    stopServer();
    const auto size = std::filesystem::file_size(dbPath());
    ASSERT_GE(size, 4u * 4096u);
    std::mt19937 random(20261206);
    // The first table's root page, and one in the middle of the file.
    for (const std::uintmax_t offset : {std::uintmax_t(4096), (size / 4096 / 2) * 4096}) {
        std::string noise(4096, '\0');
        for (char &c : noise)
            c = static_cast<char>(random() & 0xff);
        {
            std::fstream file(dbPath(), std::ios::binary | std::ios::in | std::ios::out);
            file.seekp(static_cast<std::streamoff>(offset));
            file.write(noise.data(), static_cast<std::streamsize>(noise.size()));
        }
        const std::string damaged = readFile(dbPath());
        qorvaserver::CManagementServer reopened;
        EXPECT_FALSE(reopened.open(dbPath())) << "offset " << offset;
        EXPECT_TRUE(reopened.openFoundDamage());
        EXPECT_FALSE(reopened.openError().empty());
        EXPECT_EQ(reopened.openError().find('\n'), std::string::npos)
            << "one line for the operator";
        EXPECT_FALSE(reopened.isOpen());
        EXPECT_EQ(readFile(dbPath()), damaged) << "nothing written into the damaged file";
    }
    // A good file afterwards clears what the failed open reported.
    std::filesystem::remove(dbPath());
    qorvaserver::CManagementServer fresh;
    ASSERT_TRUE(fresh.open(dbPath()));
    EXPECT_FALSE(fresh.openFoundDamage());
    EXPECT_TRUE(fresh.openError().empty());
    startServer();
}

TEST(ServerOpen, RefusesAFileThatIsNoDatabase)
{
    const auto dir = testsupport::makeTempDir(QStringLiteral("tst_server_bad"));
    const std::string path = testsupport::pathIn(*dir, QStringLiteral("junk.db"));
    FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string junk(4096, 'x');
    std::fwrite(junk.data(), 1, junk.size(), f);
    std::fclose(f);
    qorvaserver::CManagementServer server;
    EXPECT_FALSE(server.open(path));
    const auto answer = server.handle(MethodGet, "/7310/v1/accessGroups", {}, "");
    EXPECT_NE(answer.body.find("20-17"), std::string::npos);
}
