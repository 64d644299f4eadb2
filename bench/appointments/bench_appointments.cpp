// The appointment page with 10000 appointments stored, pages of 500 rows:
//  - page change: from the operator's page change (reloadData on the GUI thread) to the
//    500 rows painted in the page's table (goal: median < 60 ms);
//  - its parts, measured one by one on the same pages: the server's own handling of the
//    query, the request through the backend library and LPC link (transport and JSON
//    parse, the server excluded), the conversion to page rows, the model fill (with the
//    proxy) and the paint;
//  - baseline: a bare QStandardItemModel + QSortFilterProxyModel + QTableView filled with
//    the same 500 rows (11 text cells) and painted, plus the server's handling time.
//    Goal: page change <= 3x the baseline.
// Medians of several runs over different pages. The machine is shared; the load average
// is printed.
// Usage: bench_appointments [runs=15]

#include "../common/BenchStats.h"
#include "../common/ComponentProcess.h"
#include "pagebench/PageBench.h"

#include <UI/Window/Visitor/Appointment/AppointmentModel.h>
#include <UI/Window/Visitor/Appointment/AppointmentWidget.h>
#include <UI/Window/Visitor/Appointment/Data/AppointmentConversions.h>

#include <JSONStruct/appointment/QueryAppointmentResultCondition.h>
#include <JSONStruct/appointment/QueryAppointmentResultList.h>

#include <CommunicationLayer/AppointmentComm.h>

#include <QorvaGUIToolkit/CMultiPageServerTableView.h>
#include <QorvaGUIToolkit/CTableView.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace visitorclient;

namespace {

const int kPageSize = 500;
const int kStored = 10000;

using benchstats::loadAverage;
using benchstats::median;

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

std::string queryBody(int page)
{
    return "{\"queryAppointmentResultCondition\":{\"pageSize\":" + std::to_string(kPageSize) +
           ",\"pageNo\":" + std::to_string(page) + "}}";
}

protocol::QueryAppointmentResultList request(int page)
{
    protocol::QueryAppointmentResultCondition condition;
    condition.pageSize = kPageSize;
    condition.pageNo = page;
    protocol::QueryAppointmentResultList answer;
    commlayer::AppointmentComm::getAppointmentByCondition(answer, condition);
    return answer;
}

// The bare baseline: 11 text cells per row into a plain model behind a proxy and a view.
double bareFill(QTableView &view, const QVector<AppointmentInfoData> &rows)
{
    QElapsedTimer timer;
    timer.start();
    auto *model = new QStandardItemModel(0, 11, &view);
    auto *proxy = new QSortFilterProxyModel(&view);
    proxy->setSourceModel(model);
    for (const AppointmentInfoData &r : rows) {
        QList<QStandardItem *> items;
        for (const QString &text : {QString(), r.strName, QString::number(r.iGender), r.strPhone,
                                    r.strAuthCode, r.strReceptionistName, r.strOrganization,
                                    r.strVisitReason, r.strVisitTime, r.strLeaveTime, QString()})
            items.append(new QStandardItem(text));
        model->appendRow(items);
    }
    view.setModel(proxy);
    view.viewport()->repaint();
    const double ms = msSince(timer);
    view.setModel(nullptr);
    delete proxy;
    delete model;
    return ms;
}

} // namespace

int main(int argc, char **argv)
{
    benchstats::prepareComponentProcess();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::printf("bench_appointments: %d runs, %d stored, pages of %d, load average at start %s\n",
                runs, kStored, kPageSize, qPrintable(loadAverage()));

    pagebench::PageBench bench;
    if (!bench.start() || !bench.beginTest() || !bench.seedAppointments(kStored)) {
        std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
        return 1;
    }
    AppointmentWidget page;
    page.resize(1280, 800);
    page.show();
    page.onInitConfig();
    QCoreApplication::processEvents();
    const int pages = kStored / kPageSize;
    // Rows the model took in since the last page change (inserted or reset).
    int inserted = 0;
    const auto shown = [&page, &inserted](int pageNo) {
        int total = 0, p = 0, size = 0;
        page.table()->GetFilterCondition(total, p, size);
        return p == pageNo && inserted >= kPageSize && page.model()->rowCount() == kPageSize;
    };
    QObject::connect(
        page.model(), &QAbstractItemModel::rowsInserted,
        [&inserted](const QModelIndex &, int first, int last) { inserted += last - first + 1; });
    // The page fills its model in one reset.
    QObject::connect(page.model(), &QAbstractItemModel::modelReset,
                     [&inserted, &page] { inserted += page.model()->rowCount(); });
    const auto turnTo = [&](int pageNo) {
        inserted = 0;
        int total = 0, p = 0, size = 0;
        page.table()->GetFilterCondition(total, p, size);
        page.table()->SetFilterCondition(total, pageNo, kPageSize);
        page.reloadData();
        // The rows reach the model through the page's queued signal, as they do in use.
        while (!shown(pageNo))
            QCoreApplication::processEvents();
        page.table()->GetTableView()->viewport()->repaint();
    };
    turnTo(1); // warm-up: the page size, the first requests

    std::vector<double> change, server, transport, convert, fill, paint, bare;
    QTableView bareView;
    bareView.resize(1280, 700);
    bareView.show();
    for (int run = 0; run < runs; ++run) {
        const int pageNo = 2 + run % (pages - 1);

        QElapsedTimer timer;
        timer.start();
        turnTo(pageNo);
        change.push_back(msSince(timer));

        timer.restart();
        const qorvaserver::ServerAnswer served =
            bench.server().handle(1, "/7310/v1/appointments/query", {}, queryBody(pageNo));
        server.push_back(msSince(timer));
        if (served.body.find("\"appointmentResultList\"") == std::string::npos) {
            std::fprintf(stderr, "the server did not answer the page query: %s\n",
                         served.body.substr(0, 200).c_str());
            return 1;
        }

        timer.restart();
        const protocol::QueryAppointmentResultList answer = request(pageNo);
        transport.push_back(std::max(0.0, msSince(timer) - server.back()));

        timer.restart();
        QVector<AppointmentInfoData> rows;
        rows.reserve(kPageSize);
        for (const auto &result : answer.appointmentResultList)
            rows.append(AppointmentConversions::fromAppointmentResult(result, {}));
        convert.push_back(msSince(timer));

        timer.restart();
        page.model()->setAppointments(rows);
        fill.push_back(msSince(timer));

        timer.restart();
        page.table()->GetTableView()->viewport()->repaint();
        paint.push_back(msSince(timer));

        bare.push_back(bareFill(bareView, rows));
    }

    const double baseline = median(bare) + median(server);
    std::printf("page change to 500 rows painted: median %.1f ms (goal < 60 ms)\n", median(change));
    std::printf("  parts: server %.1f ms, transport and parse %.1f ms, conversion %.1f ms, model "
                "fill %.1f ms, "
                "paint %.1f ms\n",
                median(server), median(transport), median(convert), median(fill), median(paint));
    std::printf(
        "baseline: bare model + proxy + view fill and paint %.1f ms + server %.1f ms = %.1f ms\n",
        median(bare), median(server), baseline);
    std::printf("ratio page change / baseline: %.2f (goal <= 3)\n",
                baseline > 0 ? median(change) / baseline : 0.0);
    std::printf("load average at end %s\n", qPrintable(loadAverage()));
    page.hide();
    bench.stop();
    return 0;
}
