// The route table itself: unique routes, URL building and matching as the host and the
// server use them, error texts, and the Markdown page that documents it.

#include <JSONStruct/Routes/RouteErrors.h>
#include <JSONStruct/Routes/Routes.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <string>
#include <utility>

using namespace protocol::routes;

namespace {

const std::string kGuid = "0F3C8A2E5B7D4E19A6C1D2E3F4A5B6C7";

TEST(RouteTable, IdsAndMethodUrlPairsAreUnique)
{
    std::set<RouteId> ids;
    std::set<std::pair<int, std::string>> pairs;
    for (const Route &r : routeTable()) {
        EXPECT_TRUE(ids.insert(r.id).second) << r.operation;
        EXPECT_TRUE(pairs.insert({r.method, r.url}).second) << r.operation;
        EXPECT_EQ(&findRoute(r.id), &r);
        EXPECT_STRNE(methodName(r.method), "?") << r.operation;
        EXPECT_EQ(r.requestKey[0] == '\0', r.requestRecord[0] == '\0') << r.operation;
        // A data member only makes sense with an answer record around it.
        if (r.answerKey[0] != '\0') {
            EXPECT_NE(r.answerRecord[0], '\0') << r.operation;
        }
    }
}

TEST(RouteTable, EveryBuiltUrlMatchesItsOwnRouteOnly)
{
    for (const Route &r : routeTable()) {
        SCOPED_TRACE(r.operation);
        const std::string url = buildUrl(r, routeHasId(r) ? kGuid : std::string());
        ASSERT_FALSE(url.empty());
        EXPECT_EQ(url.find('<'), std::string::npos);
        std::string id;
        bool known = false;
        EXPECT_EQ(matchRoute(r.method, url, &id, &known), &r);
        EXPECT_TRUE(known);
        EXPECT_EQ(id, routeHasId(r) ? kGuid : std::string());
        // A query is ignored.
        EXPECT_EQ(matchRoute(r.method, url + "?a=1&b=2"), &r);
        // A known URL with an unused method is told apart from an unknown URL.
        for (int method = MethodGet; method <= MethodDelete; ++method) {
            const Route *other = matchRoute(method, url, nullptr, &known);
            EXPECT_TRUE(known);
            if (other != nullptr) {
                EXPECT_EQ(other->method, method);
            }
        }
    }
}

TEST(RouteTable, UnknownAndMalformedUrlsMatchNothing)
{
    const std::vector<std::pair<int, std::string>> rows{
        {MethodGet, ""},
        {MethodGet, "/"},
        {MethodGet, "/7310/v1"},
        {MethodGet, "/7310/v1/accessGroups/"},
        {MethodGet, "//7310/v1/accessGroups"},
        {MethodGet, "7310/v1/accessGroups"},
        {MethodGet, "/7310/v1/accessgroups"},
        {MethodGet, "/7310/v1/visitorRecords/xyz/errors"},
        {MethodGet, "/7310/v1/visitorRecords//errors"},
        {MethodGet, "/7310/v1/visitorRecords/42/errors/more"},
        {MethodPut, "/7310/v1/appointments/" + kGuid + "X"},
        {MethodPut, "/7310/v1/appointments/%2e%2e"},
    };
    for (const auto &row : rows) {
        bool known = true;
        EXPECT_EQ(matchRoute(row.first, row.second, nullptr, &known), nullptr) << row.second;
        EXPECT_FALSE(known) << row.second;
    }
    bool known = false;
    EXPECT_EQ(matchRoute(MethodDelete, "/7310/v1/settings/basic", nullptr, &known), nullptr);
    EXPECT_TRUE(known);
}

TEST(RouteTable, BuildUrlRefusesWrongIdentifiers)
{
    const Route &withId = findRoute(RouteId::UpdateAppointment);
    const Route &withoutId = findRoute(RouteId::AddAppointment);
    EXPECT_EQ(buildUrl(withId, "42"), "/7310/v1/appointments/42");
    EXPECT_EQ(buildUrl(withId, ""), "");
    EXPECT_EQ(buildUrl(withId, "42/../x"), "");
    EXPECT_EQ(buildUrl(withoutId, ""), "/7310/v1/appointments");
    EXPECT_EQ(buildUrl(withoutId, "42"), "");
}

TEST(RouteErrors, TextsAreUniqueAndCoverEveryListedCode)
{
    std::set<std::pair<std::uint32_t, std::uint32_t>> seen;
    for (const ErrorText &e : errorTexts()) {
        EXPECT_TRUE(seen.insert({e.module, e.code}).second) << e.module << "-" << e.code;
        EXPECT_TRUE(e.module == kServerModule || e.module == kCommLayerModule);
        ASSERT_NE(e.text, nullptr);
        EXPECT_GT(std::string(e.text).size(), 10u);
    }
    for (const Route &r : routeTable()) {
        for (std::uint32_t code : r.errors) {
            if (code != 0) {
                EXPECT_NE(errorText(kServerModule, code), nullptr) << r.operation << " 20-" << code;
            }
        }
    }
    EXPECT_EQ(errorText(kServerModule, 0), nullptr);
    EXPECT_EQ(errorText(1, 7), nullptr);
}

// The page beside the table must describe the same routes.
TEST(RouteTable, MarkdownPageAgreesWithTheTable)
{
    std::ifstream in(QORVA_ROUTES_MD);
    ASSERT_TRUE(in.good()) << QORVA_ROUTES_MD;
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    const auto cell = [](const char *text) {
        return std::string("| ") + (text[0] ? text : "—") + " |";
    };
    for (const Route &r : routeTable()) {
        SCOPED_TRACE(r.operation);
        const std::string head = std::string("| ") + r.operation + " |";
        int rows = 0;
        for (const std::string &line : lines) {
            if (line.compare(0, head.size(), head) != 0)
                continue;
            ++rows;
            EXPECT_NE(line.find(std::string("| ") + methodName(r.method) + " (" +
                                std::to_string(r.method) + ") |"),
                      std::string::npos)
                << line;
            EXPECT_NE(line.find(std::string("| `") + r.url + "` |"), std::string::npos) << line;
            EXPECT_NE(line.find(cell(r.requestKey)), std::string::npos) << line;
            EXPECT_NE(line.find(cell(r.answerRecord)), std::string::npos) << line;
            EXPECT_NE(line.find(cell(r.answerKey)), std::string::npos) << line;
            EXPECT_NE(line.find(r.answeredBy == Answerer::Host ? "| host |" : "| server |"),
                      std::string::npos)
                << line;
        }
        EXPECT_EQ(rows, 1);
    }
    for (const ErrorText &e : errorTexts()) {
        const std::string row =
            "| " + std::to_string(e.module) + "-" + std::to_string(e.code) + " |";
        bool found = false;
        for (const std::string &line : lines)
            found = found || (line.rfind(row, 0) == 0 && line.find(e.text) != std::string::npos);
        EXPECT_TRUE(found) << row << " " << e.text;
    }
}

} // namespace
