// A 500-row appointment page (22 keys per row) against raw cJSON on the same text,
// measured in the same run:
//   parse      envelope text parsed and built into records  vs  cJSON_Parse
//   round trip text into records and printed back            vs  cJSON_Parse + cJSON_Print
//              (the goal: at most 2.5 times raw cJSON)
// The machine is shared, so the four subjects run in interleaved rounds (their order
// turning each round) and each figure is the median over the rounds; a ratio is the
// median of the ratios within a round, both sides having seen the same load.
// glibc gives the top of the heap back to the kernel whenever enough of it is free, so
// which side pays for touching fresh pages again (several microseconds per page in a
// virtual machine) depended on the order of the runs: the raw figure swung by 70%. The
// rounds run twice: with glibc's settings, then with the heap setting the host and the
// component apply at start (Base::HeapUtil::KeepFreedMemory), which is the figure the
// goal applies to (page faults per run are printed for both).
// Usage: bench_json [rounds=41]

#include <JSONStruct/HTTP/HTTPCommonJSONStruct.h>
#include <JSONStruct/appointment/QueryAppointmentResultListData.h>

#include <cjson/cJSON.h>

#include <Base/HeapUtil.h>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

bool rawParse(const std::string &text)
{
    cJSON *root = cJSON_Parse(text.c_str());
    const bool ok = root != nullptr;
    cJSON_Delete(root);
    return ok;
}

bool recordsParse(const std::string &text)
{
    auto answer = std::make_shared<protocol::QueryAppointmentResultListData>();
    protocol::ReturnData envelope(answer);
    return envelope.Parse(text) &&
           answer->queryAppointmentResultList.appointmentResultList.size() == 500;
}

bool rawRoundTrip(const std::string &text)
{
    cJSON *root = cJSON_Parse(text.c_str());
    char *printed = cJSON_Print(root);
    const bool ok = printed != nullptr;
    cJSON_free(printed);
    cJSON_Delete(root);
    return ok;
}

bool recordsRoundTrip(const std::string &text)
{
    auto answer = std::make_shared<protocol::QueryAppointmentResultListData>();
    protocol::ReturnData envelope(answer);
    envelope.Parse(text);
    return !envelope.toString().empty();
}

// CPU time of this thread: the part of the load that other processes add to the wall
// clock (waiting for a core) is left out.
double cpuMicros()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e6 + now.tv_nsec / 1e3;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct Subject
{
    const char *name;
    std::function<bool(const std::string &)> run;
    std::vector<double> cpu;  // microseconds per run, one entry per round
    std::vector<double> wall; // microseconds per run, one entry per round
    long pageFaults = 0;      // over all rounds
};

constexpr int kRunsPerRound = 3;

long minorFaults()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

void measure(Subject &subject, const std::string &text)
{
    const long faultsBefore = minorFaults();
    const auto wallStart = std::chrono::steady_clock::now();
    const double cpuStart = cpuMicros();
    for (int i = 0; i < kRunsPerRound; ++i) {
        if (!subject.run(text)) {
            std::fprintf(stderr, "%s failed on the page\n", subject.name);
            std::exit(1);
        }
    }
    const double cpu = cpuMicros() - cpuStart;
    const double wall =
        std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - wallStart)
            .count();
    subject.pageFaults += minorFaults() - faultsBefore;
    subject.cpu.push_back(cpu / kRunsPerRound);
    subject.wall.push_back(wall / kRunsPerRound);
}

double medianRatio(const std::vector<double> &records, const std::vector<double> &raw)
{
    std::vector<double> ratios;
    for (std::size_t i = 0; i < records.size() && i < raw.size(); ++i)
        ratios.push_back(raw[i] > 0 ? records[i] / raw[i] : 0.0);
    return median(ratios);
}

void printRatio(const char *what, const Subject &raw, const Subject &records, const char *goal)
{
    std::printf("%-10s median, cpu:  raw cJSON %7.1f us, records %7.1f us, ratio %.2f%s\n", what,
                median(raw.cpu), median(records.cpu), medianRatio(records.cpu, raw.cpu), goal);
    std::printf("%-10s median, wall: raw cJSON %7.1f us, records %7.1f us, ratio %.2f\n", what,
                median(raw.wall), median(records.wall), medianRatio(records.wall, raw.wall));
}

void printLoad()
{
    if (FILE *f = std::fopen("/proc/loadavg", "r")) {
        char buf[128] = {};
        if (std::fgets(buf, sizeof(buf), f))
            std::printf("load average: %s", buf);
        std::fclose(f);
    }
}

// Runs the four subjects in interleaved rounds and prints their medians and ratios.
void runRounds(const std::string &text, int rounds, const char *heap, const char *goal)
{
    std::vector<Subject> subjects{{"raw parse", rawParse, {}, {}, 0},
                                  {"records parse", recordsParse, {}, {}, 0},
                                  {"raw round trip", rawRoundTrip, {}, {}, 0},
                                  {"records round trip", recordsRoundTrip, {}, {}, 0}};
    for (Subject &subject : subjects) // warm-up: first touches of the heap stay out
        subject.run(text);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t i = 0; i < subjects.size(); ++i)
            measure(subjects[(i + round) % subjects.size()], text);
    }
    std::printf("heap %s; %d rounds of %d runs each\n", heap, rounds, kRunsPerRound);
    for (const Subject &subject : subjects)
        std::printf(
            "  %-20s cpu %8.1f us  wall %8.1f us  (medians per run), page faults per run %6.1f\n",
            subject.name, median(subject.cpu), median(subject.wall),
            static_cast<double>(subject.pageFaults) / (rounds * kRunsPerRound));
    // CPU time is the fairer measure on a busy machine; both are printed.
    printRatio("parse", subjects[0], subjects[1], "");
    printRatio("round trip", subjects[2], subjects[3], goal);
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 41;
    const std::string &text = page();
    printLoad();
    std::printf("page: %zu bytes, 500 rows x 22 keys\n", text.size());
    // Default first: glibc's adaptive thresholds cannot be restored once set.
    runRounds(text, rounds, "as glibc manages it", "");
    if (!Base::HeapUtil::KeepFreedMemory())
        std::printf(
            "the product's heap setting was not applied (malloc tuned by the environment?)\n");
    runRounds(text, rounds, "as the product sets it", " (goal <= 2.5)");
    printLoad();
    return 0;
}
