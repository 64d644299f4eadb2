#pragma once
// Reading an appointment workbook the way the import does (QExcel: open, sheet 1, used
// range, every row's texts) and openpyxl's read-only reading of the same file, the
// baseline the reading is measured against. For benchmarks that link vm_excel.

#include "QExcel.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace xlsxbaseline {

using visitorclient::QExcel;

inline const char *const OpenpyxlReader = R"(
import sys, time, openpyxl
start_cpu, start = time.process_time(), time.perf_counter()
book = openpyxl.load_workbook(sys.argv[1], read_only=True)
cells = 0
for row in book.worksheets[0].iter_rows(values_only=True):
    for value in row:
        if value is not None:
            cells += 1
book.close()
print(time.perf_counter() - start, time.process_time() - start_cpu, cells)
)";

struct Timing
{
    double wall = 0; // seconds
    double cpu = 0;
};

inline double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// The import's reading: every text of every row, counted so nothing is optimised away.
inline Timing readWithQExcel(const QString &path, long &cells)
{
    const auto start = std::chrono::steady_clock::now();
    const double startCpu = processCpuSeconds();
    cells = 0;
    QExcel excel(path);
    if (!excel.isOpened() || !excel.selectSheet(1) || excel.lastUsedColumn() < 15)
        return {};
    excel.forEachRow([&cells](int, const QStringList &texts) {
        for (const QString &text : texts)
            cells += text.isEmpty() ? 0 : 1;
        return true;
    });
    excel.close();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            processCpuSeconds() - startCpu};
}

inline bool readWithOpenpyxl(const QString &path, Timing &timing, long &cells)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(OpenpyxlReader), path});
    if (!python.waitForFinished(600000) || python.exitCode() != 0) {
        std::fprintf(stderr, "openpyxl failed: %s\n", python.readAllStandardError().constData());
        return false;
    }
    const QStringList fields =
        QString::fromUtf8(python.readAllStandardOutput()).split(QLatin1Char(' '));
    if (fields.size() != 3)
        return false;
    timing = {fields.at(0).toDouble(), fields.at(1).toDouble()};
    cells = fields.at(2).trimmed().toLong();
    return true;
}

inline Timing best(std::vector<Timing> timings)
{
    Timing result = timings.front();
    for (const Timing &t : timings) {
        result.wall = std::min(result.wall, t.wall);
        result.cpu = std::min(result.cpu, t.cpu);
    }
    return result;
}

inline Timing median(std::vector<Timing> timings)
{
    std::vector<double> wall, cpu;
    for (const Timing &t : timings) {
        wall.push_back(t.wall);
        cpu.push_back(t.cpu);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace xlsxbaseline
