// Seeds 10000 appointments and 100000 visitor records into a temporary database, then
// times handle() answering 500-row pages (first, middle and last page; records also
// filtered). Prints milliseconds per answer (median of several runs).

#include <ManagementServer/ManagementServer.h>

#include <JSONStruct/Routes/Routes.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Timing
{
    double wallMs;
    double cpuMs;
};

// Median wall-clock and median process CPU time per answer: the machine is shared, so
// the CPU time is the steadier figure.
Timing median(qorvaserver::CManagementServer &server, const char *url, const std::string &body, int runs,
              std::size_t *bytes)
{
    std::vector<double> ms;
    std::vector<double> cpu;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const std::clock_t cpuStart = std::clock();
        const auto answer = server.handle(protocol::routes::MethodPost, url, {}, body);
        cpu.push_back(1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC);
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        *bytes = answer.body.size();
        if (answer.body.find("\"0-0\"") == std::string::npos) {
            std::fprintf(stderr, "request failed: %.200s\n", answer.body.c_str());
            std::exit(1);
        }
    }
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    return Timing{ms[ms.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main()
{
    char pattern[] = "/tmp/bench_server_XXXXXX";
    if (mkdtemp(pattern) == nullptr)
        return 1;
    const std::string dir = pattern;
    int rc = 0;
    {
        qorvaserver::CManagementServer server;
        if (!server.open(dir + "/server.db"))
            return 1;
        auto start = Clock::now();
        if (server.seedAppointments(10000) != 0 || server.seedRecords(100000) != 0)
            return 1;
        std::printf("seeding 10000 appointments + 100000 records: %.0f ms\n",
                    std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        struct Case
        {
            const char *what;
            const char *url;
            std::string body;
        };
        const std::string rec = "{\"queryVisitorRecordCondition\":{\"pageSize\":500,";
        const Case cases[] = {
            {"appointments page 1", "/7310/v1/appointments/query",
             R"({"queryAppointmentResultCondition":{"pageNo":1,"pageSize":500}})"},
            {"appointments page 10", "/7310/v1/appointments/query",
             R"({"queryAppointmentResultCondition":{"pageNo":10,"pageSize":500}})"},
            {"appointments page 20 (last)", "/7310/v1/appointments/query",
             R"({"queryAppointmentResultCondition":{"pageNo":20,"pageSize":500}})"},
            {"records page 1", "/7310/v1/visitorRecords/query", rec + "\"pageNo\":1}}"},
            {"records page 100", "/7310/v1/visitorRecords/query", rec + "\"pageNo\":100}}"},
            {"records page 200 (last)", "/7310/v1/visitorRecords/query", rec + "\"pageNo\":200}}"},
            {"records State=signOff page 1", "/7310/v1/visitorRecords/query",
             rec + "\"pageNo\":1,\"State\":\"signOff\"}}"},
            {"records name contains page 1", "/7310/v1/visitorRecords/query",
             rec + "\"pageNo\":1,\"name\":\"Guest 1\"}}"},
        };
        for (const Case &c : cases) {
            std::size_t bytes = 0;
            const Timing t = median(server, c.url, c.body, 7, &bytes);
            std::printf("%-32s %8.2f ms wall %8.2f ms cpu  (%zu bytes)\n", c.what, t.wallMs, t.cpuMs, bytes);
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
    return rc;
}
