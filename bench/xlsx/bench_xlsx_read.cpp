// Writes a 10000-row appointment template (nine rules lines, 15 headers, data rows with
// date cells, numbers and text) with QExcel, then reads it back the way the import does
// (open, select sheet 1, used range, every row's texts) and times that against openpyxl's
// read-only reading of the same file (every value), alternating runs so that both meet
// the same load. Prints the fastest and the median run of each and their ratio; the goal
// is at most 2. Usage: bench_xlsx_read [rows] [runs]

#include "../common/XlsxReadBaseline.h"

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

using namespace xlsxbaseline;

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
