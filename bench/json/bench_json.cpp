// A 500-row appointment page (22 keys per row) against raw cJSON on the same text,
// measured in the same run:
//   parse      envelope text parsed and built into records  vs  cJSON_Parse
//              (the goal: at most 2.5 times raw cJSON)
//   round trip text into records and printed back            vs  cJSON_Parse + cJSON_Print
// Prints both ratios records / raw at the end.

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/appointment/QueryAppointmentResultListData.h>

#include <benchmark/benchmark.h>
#include <cjson/cJSON.h>

#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace {

std::string guid(int seed)
{
    char buffer[40];
    std::snprintf(buffer, sizeof(buffer), "%08x%08x%08x%08x", seed * 2654435761u, seed * 40503u + 7u,
                  seed ^ 0x5bd1e995u, seed * 97u + 13u);
    return buffer;
}

std::string pageText(int rows)
{
    std::string text = "{\"code\":\"0-0\",\"msg\":\"\",\"data\":{\"queryAppointmentResultList\":{"
                       "\"total\":9876,\"pageNo\":3,\"pageSize\":500,\"appointmentResultList\":[";
    for (int i = 0; i < rows; ++i) {
        if (i > 0)
            text += ",";
        const std::string n = std::to_string(i);
        text += "{\"appointmentID\":\"" + guid(i) + "\",\"name\":\"\xE5\xBC\xA0\xE4\xB8\x89" + n +
                "\",\"gender\":" + std::to_string(1 + i % 2) + ",\"phone\":\"1380013" + std::to_string(1000 + i) +
                "\",\"visitExpectTime\":\"2026-12-05T09:30:00\",\"leaveExpectTime\":\"2026-12-05T18:00:00\""
                ",\"visitReasonID\":\"" + guid(i + 7) + "\",\"visitReasonName\":\"Business\",\"receptionistID\":\"" +
                guid(i + 11) + "\",\"receptionistName\":\"\xE6\x9D\x8E\xE5\x9B\x9B\",\"receptionistNumber\":\"13900139000\""
                ",\"receptionistDepartment\":\"Headquarters/Security\",\"visitGroupGuid\":\"" + guid(i + 3) + "," +
                guid(i + 5) + "\",\"accompanyingPersonnelNumber\":" + std::to_string(i % 4) +
                ",\"identityType\":0,\"identityCode\":\"11010519491231002X\",\"plateCode\":\"A12345\""
                ",\"Company\":\"Example Trading Co.\",\"belongings\":\"laptop\",\"address\":\"1 Main Street " + n +
                "\",\"remark\":\"\",\"authCode\":\"" + std::to_string(100000 + i) + "\"}";
    }
    text += "]}}}";
    return text;
}

const std::string &page()
{
    static const std::string text = pageText(500);
    return text;
}

void BM_RawCJSONParse(benchmark::State &state)
{
    const std::string &text = page();
    for (auto _ : state) {
        cJSON *root = cJSON_Parse(text.c_str());
        benchmark::DoNotOptimize(root);
        cJSON_Delete(root);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_ParseIntoRecords(benchmark::State &state)
{
    const std::string &text = page();
    for (auto _ : state) {
        auto answer = std::make_shared<protocol::QueryAppointmentResultListData>();
        protocol::ReturnData envelope(answer);
        const bool ok = envelope.Parse(text);
        benchmark::DoNotOptimize(ok);
        if (answer->queryAppointmentResultList.appointmentResultList.size() != 500)
            state.SkipWithError("page did not map to 500 records");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(text.size()));
}

void BM_RawCJSONRoundTrip(benchmark::State &state)
{
    const std::string &text = page();
    for (auto _ : state) {
        cJSON *root = cJSON_Parse(text.c_str());
        char *printed = cJSON_Print(root);
        benchmark::DoNotOptimize(printed);
        cJSON_free(printed);
        cJSON_Delete(root);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

void BM_RecordsRoundTrip(benchmark::State &state)
{
    const std::string &text = page();
    for (auto _ : state) {
        auto answer = std::make_shared<protocol::QueryAppointmentResultListData>();
        protocol::ReturnData envelope(answer);
        envelope.Parse(text);
        const std::string printed = envelope.toString();
        benchmark::DoNotOptimize(printed.data());
        if (printed.empty())
            state.SkipWithError("page did not print");
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(text.size()));
}

BENCHMARK(BM_RawCJSONParse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ParseIntoRecords)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawCJSONRoundTrip)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecordsRoundTrip)->Unit(benchmark::kMicrosecond);

// Console output plus the fastest repetition of each benchmark, for the ratio: on a
// shared machine the minimum is the measure least disturbed by other load.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0)
                continue;
            keepMin(realTimes, run.run_name.function_name, run.GetAdjustedRealTime());
            keepMin(cpuTimes, run.run_name.function_name, run.GetAdjustedCPUTime());
        }
    }
    std::map<std::string, double> realTimes;
    std::map<std::string, double> cpuTimes;

private:
    static void keepMin(std::map<std::string, double> &times, const std::string &name, double value)
    {
        const auto it = times.find(name);
        if (it == times.end() || value < it->second)
            times[name] = value;
    }
};

void printRatio(RatioReporter &reporter, const char *what, const char *rawName,
                const char *recordsName, const char *goal)
{
    if (!reporter.cpuTimes.count(rawName) || !reporter.cpuTimes.count(recordsName))
        return;
    const double rawCpu = reporter.cpuTimes[rawName];
    const double recordsCpu = reporter.cpuTimes[recordsName];
    const double rawReal = reporter.realTimes[rawName];
    const double recordsReal = reporter.realTimes[recordsName];
    std::printf("%-10s fastest run, cpu:  raw cJSON %.1f us, records %.1f us, ratio %.2f%s\n", what,
                rawCpu, recordsCpu, rawCpu > 0 ? recordsCpu / rawCpu : 0.0, goal);
    std::printf("%-10s fastest run, real: raw cJSON %.1f us, records %.1f us, ratio %.2f\n", what,
                rawReal, recordsReal, rawReal > 0 ? recordsReal / rawReal : 0.0);
}

} // namespace

int main(int argc, char **argv)
{
    // Without arguments: repeated, interleaved runs so that both see the same load.
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=12";
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    if (argc == 1) {
        args.push_back(repetitions);
        args.push_back(interleave);
    }
    page(); // built before the first benchmark, so that no figure includes it
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // CPU time is the fairer measure on a busy machine; both are printed.
    std::printf("page: %zu bytes, 500 rows x 22 keys\n", page().size());
    printRatio(reporter, "parse", "BM_RawCJSONParse", "BM_ParseIntoRecords", " (goal <= 2.5)");
    printRatio(reporter, "round trip", "BM_RawCJSONRoundTrip", "BM_RecordsRoundTrip", "");
    return 0;
}
