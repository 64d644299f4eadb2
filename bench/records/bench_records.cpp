// The visitor record page and its export, through the real page, LPC link and server:
//  - page change: 100000 records stored; from the operator's page change to the last page
//    of 500 rows painted (goal: median < 80 ms);
//  - export: 10000 records, 20 pages of 500, from the first page query to the file written
//    (goal: < 2 s); its spreadsheet part (QXlsxMgr::WriteExcel of the 10001 rows) next to
//    libxlsxwriter writing the same 10000 x 18 texts alone in constant-memory mode
//    (goal: at most 2x).
// Medians of several runs. The machine is shared; the load average is printed.
// Usage: bench_records [runs=9]

#include "../common/BenchStats.h"
#include "pagebench/PageBench.h"

#include <UI/Window/Visitor/VisitorRecord/VisitorRecordExport.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordModel.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordRules.h>
#include <UI/Window/Visitor/VisitorRecord/VisitorRecordWidget.h>

#include <JSONStruct/visitorrecord/QueryVisitorRecordResultListData.h>

#include <CommunicationLayer/RecordComm.h>

#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/QXlsxMgr.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <xlsxwriter.h>

#include <cstdio>
#include <vector>

using namespace visitorclient;
namespace Rules = visitorclient::VisitorRecordRules;

namespace {

const int kPageSize = 500;
const int kStoredForPaging = 100000;
const int kStoredForExport = 10000;

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// libxlsxwriter alone: the rows as strings in constant-memory mode.
bool writeBare(const QString &path, const QVector<QStringList> &rows)
{
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    const QByteArray file = path.toUtf8();
    lxw_workbook *workbook = workbook_new_opt(file.constData(), &options);
    if (!workbook)
        return false;
    lxw_worksheet *sheet = workbook_add_worksheet(workbook, nullptr);
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c) {
            if (rows[r][c].isEmpty())
                continue;
            worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                   rows[r][c].toUtf8().constData(), nullptr);
        }
    }
    return workbook_close(workbook) == LXW_NO_ERROR;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    std::printf("bench_records: %d runs, load average at start %s\n", runs,
                qPrintable(benchstats::loadAverage()));
    pagebench::PageBench bench;
    if (!bench.start() || !bench.beginTest() || !bench.seedRecords(kStoredForPaging)) {
        std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
        return 1;
    }

    // --- page change to the last page ---------------------------------------------------
    {
        VisitorRecordWidget page;
        page.resize(1280, 800);
        page.show();
        page.setDownloadWaitMs(1000);
        page.activatePage();
        bench.waitUntil([&page] {
            int total = 0, p = 0, size = 0;
            page.table()->GetFilterCondition(total, p, size);
            return p == 1;
        });
        page.onReset();
        page.table()->SetFilterCondition(0, 0, kPageSize);
        page.onSearchBtnClicked();
        const int last = page.table()->getTotalPage();
        std::vector<double> change;
        for (int run = 0; run < runs; ++run) {
            // Alternate between the last two pages so that every run changes the rows.
            const int target = run % 2 == 0 ? last : last - 1;
            QElapsedTimer timer;
            timer.start();
            emit page.table()->SiganlFilterConditionChanged(kPageSize, target);
            page.table()->GetTableView()->viewport()->repaint();
            change.push_back(msSince(timer));
            if (page.recordModel()->rowCount() != kPageSize)
                std::fprintf(stderr, "page %d has %d rows\n", target,
                             page.recordModel()->rowCount());
        }
        const double m = benchstats::median(change);
        std::printf("page change to page %d of %d (500 rows, %d stored): median %.1f ms "
                    "(goal < 80 ms: %s)\n",
                    last, last, kStoredForPaging, m, m < 80 ? "met" : "MISSED");
    }

    // --- export of 10000 records --------------------------------------------------------
    if (!bench.beginTest() || !bench.seedRecords(kStoredForExport)) {
        std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
        return 1;
    }
    const QString dir = bench.testDir();
    protocol::QueryVisitorRecordCondition stored;
    stored.pageSize = kPageSize;
    stored.pageNo = 1;
    const RecordExportRange range{1, kPageSize, kStoredForExport / kPageSize};

    // The same texts the export writes, for the two writers alone.
    QVector<QStringList> rows{Rules::exportHeader()};
    for (int p = 1; p <= range.totalPages; ++p) {
        protocol::QueryVisitorRecordResultListData answer;
        commlayer::RecordComm::getRecord(answer, Rules::exportCondition(stored, p, kPageSize));
        for (const auto &r : answer.queryVisitorRecordResultList.visitorRecordResultList)
            rows.append(Rules::exportRow(VisitorRecordData::fromResult(r)));
    }

    std::vector<double> endToEnd, toolkit, bare;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        const bool ok = exportRecords(dir + QStringLiteral("/export.xlsx"), stored, range) ==
                        RecordExportOutcome::Written;
        endToEnd.push_back(msSince(timer));
        timer.restart();
        const bool toolkitOk =
            QorvaGUIToolkit::QXlsxMgr::WriteExcel(dir + QStringLiteral("/toolkit.xlsx"), rows);
        toolkit.push_back(msSince(timer));
        timer.restart();
        const bool bareOk = writeBare(dir + QStringLiteral("/bare.xlsx"), rows);
        bare.push_back(msSince(timer));
        if (!ok || !toolkitOk || !bareOk)
            std::fprintf(stderr, "a writer failed (export %d, toolkit %d, bare %d)\n", ok,
                         toolkitOk, bareOk);
    }
    const double e = benchstats::median(endToEnd);
    const double t = benchstats::median(toolkit);
    const double b = benchstats::median(bare);
    std::printf("export of %d records (%d rows of 18 texts with the header): end to end median "
                "%.1f ms (goal < 2000 ms: %s)\n",
                kStoredForExport, rows.size(), e, e < 2000 ? "met" : "MISSED");
    std::printf("  spreadsheet part: QXlsxMgr::WriteExcel median %.1f ms, libxlsxwriter alone "
                "median %.1f ms, ratio %.2f (goal <= 2: %s)\n",
                t, b, b > 0 ? t / b : 0.0, b > 0 && t / b <= 2 ? "met" : "MISSED");
    std::printf("  whole export against libxlsxwriter alone: ratio %.2f\n", b > 0 ? e / b : 0.0);
    std::printf("load average at end %s\n", qPrintable(benchstats::loadAverage()));
    bench.stop();
    return 0;
}
