// Imports a generated 10000-row appointment template (every row valid, receptionists of
// the demo site) the operator's way: the drawer's Import button, the wait dialog, the
// workbook read, the cell checks, the receptionist lookups, the page's one add request
// and its reload, on the page bench (real LPC link and simulator). Prints the median of
// the whole and of its parts (goal: under 5 s in all), and the read alone against
// openpyxl's read-only reading of the same file measured in the same run (goal <= 2x).
// Usage: bench_import [runs]

#include "../common/BenchStats.h"
#include "../common/ComponentProcess.h"
#include "../common/XlsxReadBaseline.h"
#include "ImportTestSupport.h"
#include "pagebench/PageBench.h"

#include <UI/Window/BasicSetting/Data/AppointmentSettingManager.h>
#include <UI/Window/Visitor/Appointment/AppointmentWidget.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>
#include <UI/Window/Visitor/Appointment/Import/ImportRules.h>
#include <UI/Window/Visitor/Appointment/Import/ImportWidget.h>

#include <JSONStruct/personnel/TotalData.h>

#include <CommunicationLayer/FindPersonByOtherComm.h>

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace visitorclient;

namespace {

const int kRows = ImportRules::kMaxAppointments;

double msSince(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

// The receptionists of the demo site with their organisation paths.
QVector<QPair<QString, QString>> receptionists(pagebench::PageBench &bench)
{
    QVector<QPair<QString, QString>> found;
    const auto persons = bench.server().list("persons");
    for (std::size_t i = 1; i < persons.size(); ++i) {
        if (persons[i].at(5) != "1")
            continue;
        const QString name = QString::fromStdString(persons[i].at(1));
        protocol::personnelcommon::TotalData answer;
        if (commlayer::FindPersonByOtherComm::request(
                answer, AppointmentConversions::importReceptionistQuery(name), std::string()) &&
            !answer.personnelResponse.empty())
            found.append({name, QString::fromStdString(
                                    answer.personnelResponse.front().personnelOrgInfo.path)});
    }
    return found;
}

bool writeTemplate(const QString &path, const QVector<QPair<QString, QString>> &people)
{
    const BasicSettingData settings = AppointmentSettingManager::Instance().getBasicSettingData();
    const QStringList reasons = [&settings] {
        QStringList names;
        for (const VisitReasonData &reason : settings.vecVisitReasons)
            names << reason.strReasonName;
        return names;
    }();
    QVector<QStringList> rows;
    rows.reserve(kRows);
    const QDate first = QDate::currentDate().addDays(1);
    for (int i = 0; i < kRows; ++i) {
        const QString day = first.addDays(i % 30).toString(QStringLiteral("yyyy-MM-dd"));
        const auto &person = people.at(i % people.size());
        rows.append({QStringLiteral("访客%1").arg(i), QString::number(1 + i % 2),
                     QStringLiteral("0138%1").arg(i, 8, 10, QLatin1Char('0')), day, day,
                     reasons.at(i % reasons.size()), person.first, person.second,
                     QStringLiteral("0"),
                     QStringLiteral("1101011990%1").arg(i, 8, 10, QLatin1Char('0')),
                     QStringLiteral("京A%1").arg(i % 100000, 5, 10, QLatin1Char('0')),
                     QStringLiteral("示例科技有限公司"), QStringLiteral("笔记本电脑"),
                     QStringLiteral("北京市海淀区%1号").arg(i), QStringLiteral("备注%1").arg(i)});
    }
    return importtest::writeWorkbook(path, rows, settings);
}

struct Page
{
    AppointmentWidget widget;

    Page()
    {
        widget.resize(1280, 800);
        widget.show();
        widget.onInitConfig();
        while (widget.hasPendingRows())
            QCoreApplication::processEvents();
        widget.onImport();
    }
};

} // namespace

int main(int argc, char **argv)
{
    benchstats::prepareComponentProcess();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    std::printf("bench_import: %d runs of %d rows, load average at start %s\n", runs, kRows,
                qPrintable(benchstats::loadAverage()));

    pagebench::PageBench bench;
    if (!bench.start() || !bench.beginTest()) {
        std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
        return 1;
    }
    AppointmentSettingManager::Instance().loadConfig();
    const auto people = receptionists(bench);
    const QString kept = QDir::temp().filePath(QStringLiteral("bench-import-10000.xlsx"));
    QFile::remove(kept);
    if (people.isEmpty() || !writeTemplate(kept, people)) {
        std::fprintf(stderr, "could not write the template\n");
        return 1;
    }
    std::printf("template: %lld bytes, %d receptionists\n",
                static_cast<long long>(QFileInfo(kept).size()), int(people.size()));

    std::vector<double> total, read, checks, lookups, request, ours, theirs;
    int lookupRequests = 0;
    for (int run = 0; run < runs; ++run) {
        // A fresh site each run: the 10000 rows fill the server to its limit.
        if (!bench.beginTest()) {
            std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
            return 1;
        }
        AppointmentSettingManager::Instance().loadConfig();
        const QString path = QDir(bench.testDir()).filePath(QStringLiteral("import-10000.xlsx"));
        QFile::copy(kept, path);
        std::vector<std::string> stored;
        {
            Page page;
            ImportWidget *import = page.widget.importWidget();
            import->setFilePath(path);
            QElapsedTimer timer;
            timer.start();
            import->onImportClicked();
            total.push_back(msSince(timer));
            const ImportRules::ImportResult &result = import->lastResult();
            if (result.batch.size() != kRows || !result.errors.isEmpty()) {
                std::fprintf(stderr, "imported %d rows, %d refused cells\n",
                             int(result.batch.size()), int(result.errors.size()));
                return 1;
            }
            read.push_back(result.timings.read * 1000);
            checks.push_back(result.timings.checks * 1000);
            lookups.push_back(result.timings.lookups * 1000);
            lookupRequests = result.timings.lookupRequests;
            stored = bench.ids("appointments");

            // The request alone: the same batch sent by the page to an empty server.
            if (!bench.beginTest()) {
                std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
                return 1;
            }
            QElapsedTimer sent;
            sent.start();
            const bool ok = page.widget.importData(result.batch);
            request.push_back(msSince(sent));
            if (!ok) {
                std::fprintf(stderr, "the add request failed\n");
                return 1;
            }
        }
        if (stored.size() < std::size_t(kRows)) {
            std::fprintf(stderr, "the server holds %d appointments\n", int(stored.size()));
            return 1;
        }

        long ourCells = 0, theirCells = 0;
        ours.push_back(xlsxbaseline::readWithQExcel(kept, ourCells).wall * 1000);
        xlsxbaseline::Timing openpyxl;
        if (!xlsxbaseline::readWithOpenpyxl(kept, openpyxl, theirCells)) {
            std::fprintf(stderr,
                         "openpyxl (Debian's python3-openpyxl) is needed for the baseline\n");
            return 1;
        }
        theirs.push_back(openpyxl.wall * 1000);
        if (ourCells != theirCells) {
            std::fprintf(stderr, "cells read differ: QExcel %ld, openpyxl %ld\n", ourCells,
                         theirCells);
            return 1;
        }
    }
    using benchstats::median;
    std::printf("import of %d rows, click to batch stored and page reloaded: median %.0f ms "
                "(goal < 5000 ms)\n",
                kRows, median(total));
    std::printf("  parts: read %.0f ms, checks %.0f ms, receptionist lookups %.0f ms (%d searches, "
                "one per name), add request and reload %.0f ms\n",
                median(read), median(checks), median(lookups), lookupRequests, median(request));
    std::printf("read alone: QExcel %.0f ms, openpyxl read-only %.0f ms, ratio %.2f (goal <= 2)\n",
                median(ours), median(theirs),
                median(theirs) > 0 ? median(ours) / median(theirs) : 0.0);
    std::printf("load average at end %s\n", qPrintable(benchstats::loadAverage()));
    QFile::remove(kept);
    bench.stop();
    return 0;
}
