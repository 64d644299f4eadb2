// Writes a 10000-row appointment template (nine rules lines, 15 headers, data rows with
// date cells, numbers and text) with QExcel, then reads it back the way the import does
// (open, select sheet 1, used range, every row's texts) and times that against openpyxl's
// read-only reading of the same file (every value), alternating runs so that both meet
// the same load. Prints the fastest and the median run of each and their ratio; the goal
// is at most 2. Usage: bench_xlsx_read [rows] [runs]

#include "QExcel.h"

#include <QDate>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using visitorclient::QExcel;

const char *OpenpyxlReader = R"(
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

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

bool writeTemplate(const QString &path, int rows)
{
    QExcel excel(path);
    if (!excel.isOpened() || !excel.selectSheet(QStringLiteral("Sheet1")))
        return false;
    for (int line = 1; line <= 9; ++line)
        excel.setCellValue(line, 1, QStringLiteral("%1.填写规则说明第%1条").arg(line), true);
    const QStringList headers = {"*姓名",         "性别",      "手机号码", "*预计来访时间",
                                 "*预计离开时间", "*来访事由", "*被访人",  "*组织",
                                 "证件类型",      "证件号码",  "车牌号码", "所在单位",
                                 "携带物品",      "地址",      "备注"};
    for (int column = 1; column <= headers.size(); ++column)
        excel.setCellValue(10, column, headers.at(column - 1), true);
    const QDate first(2026, 12, 5);
    for (int i = 0; i < rows; ++i) {
        const int row = 11 + i;
        const QString day = first.addDays(i % 60).toString(QStringLiteral("yyyy-MM-dd"));
        const QStringList texts = {QStringLiteral("访客%1").arg(i),
                                   QString::number(1 + i % 2),
                                   QStringLiteral("0138%1").arg(i, 8, 10, QLatin1Char('0')),
                                   day + QStringLiteral(" 09:30:00"),
                                   day + QStringLiteral(" 18:00:00"),
                                   QStringLiteral("商务洽谈"),
                                   QStringLiteral("李四"),
                                   QStringLiteral("总部/安保部"),
                                   QStringLiteral("0"),
                                   QStringLiteral("1101011990%1").arg(i, 8, 10, QLatin1Char('0')),
                                   QStringLiteral("京A%1").arg(i % 100000, 5, 10, QLatin1Char('0')),
                                   QStringLiteral("示例科技有限公司"),
                                   QStringLiteral("笔记本电脑"),
                                   QStringLiteral("北京市海淀区%1号").arg(i),
                                   QStringLiteral("备注%1").arg(i)};
        for (int column = 1; column <= texts.size(); ++column) {
            const bool value = column == 2 || column == 4 || column == 5;
            excel.setCellValue(row, column, texts.at(column - 1), !value);
        }
    }
    return excel.save();
}

// The import's reading: every text of every row, counted so nothing is optimised away.
Timing readWithQExcel(const QString &path, long &cells)
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

bool readWithOpenpyxl(const QString &path, Timing &timing, long &cells)
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

Timing best(std::vector<Timing> timings)
{
    Timing result = timings.front();
    for (const Timing &t : timings) {
        result.wall = std::min(result.wall, t.wall);
        result.cpu = std::min(result.cpu, t.cpu);
    }
    return result;
}

Timing median(std::vector<Timing> timings)
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

} // namespace

int main(int argc, char **argv)
{
    const int rows = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("template.xlsx"));
    const auto start = std::chrono::steady_clock::now();
    if (!writeTemplate(path, rows)) {
        std::fprintf(stderr, "could not write the template\n");
        return 1;
    }
    const double writeSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("template: %d data rows x 15 columns, %lld bytes, written in %.0f ms\n", rows,
                static_cast<long long>(QFileInfo(path).size()), writeSeconds * 1000);

    std::vector<Timing> ours, theirs;
    long ourCells = 0, theirCells = 0;
    for (int run = 0; run < runs; ++run) {
        ours.push_back(readWithQExcel(path, ourCells));
        Timing timing;
        if (!readWithOpenpyxl(path, timing, theirCells)) {
            std::fprintf(stderr,
                         "openpyxl (Debian's python3-openpyxl) is needed for the baseline\n");
            return 1;
        }
        theirs.push_back(timing);
    }
    if (ourCells != theirCells) {
        std::fprintf(stderr, "cells read differ: QExcel %ld, openpyxl %ld\n", ourCells, theirCells);
        return 1;
    }
    const Timing ourBest = best(ours), theirBest = best(theirs);
    const Timing ourMedian = median(ours), theirMedian = median(theirs);
    std::printf("cells read: %ld, runs: %d each, alternating\n", ourCells, runs);
    std::printf(
        "fastest run, wall: QExcel %.1f ms, openpyxl read-only %.1f ms, ratio %.3f (goal <= 2)\n",
        ourBest.wall * 1000, theirBest.wall * 1000, ourBest.wall / theirBest.wall);
    std::printf("fastest run, cpu:  QExcel %.1f ms, openpyxl read-only %.1f ms, ratio %.3f\n",
                ourBest.cpu * 1000, theirBest.cpu * 1000, ourBest.cpu / theirBest.cpu);
    std::printf("median run, wall:  QExcel %.1f ms, openpyxl read-only %.1f ms, ratio %.3f\n",
                ourMedian.wall * 1000, theirMedian.wall * 1000, ourMedian.wall / theirMedian.wall);
    return 0;
}
