// Access-point groups on a site of 5,000 doors in 50 areas, the first area with 1,000:
//  - tick: the operator ticks the large area in the editor's door tree; from the click to
//    the selected list holding its 1,000 doors, painted (goal < 1 s), with the longest
//    gap between two event-loop turns while it runs;
//  - fill: the editor opened on a group of 1,000 doors (it yields every 32 doors), with
//    its longest gap;
//  - save: from Save in the editor to the new group of 1,000 doors shown in the door
//    detail, painted (goal < 500 ms);
//  - baselines measured in the same run: a bare model and tree view filled with the same
//    1,000 rows and painted (for tick and fill), and that bare fill plus the server's own
//    handling of the create request (for save).
// Medians of several runs. The machine is shared; the load average is printed.
// Usage: bench_accessgroups [runs=7]

#include "../common/BenchStats.h"
#include "../common/ComponentProcess.h"
#include "pagebench/PageBench.h"

#include <UI/Window/AccessPointGroup/AccessPointGroupModel.h>
#include <UI/Window/AccessPointGroup/AccessPointGroupWidget.h>
#include <UI/Window/AccessPointGroup/AddPointGroupWidget.h>
#include <UI/Window/AccessPointGroup/CAccessGroupDoorInfoModel.h>
#include <UI/Window/AccessPointGroup/DoorsDetailWidget.h>

#include <JSONStruct/Core/JSONText.h>
#include <JSONStruct/accessgroup/VisitAaccessGroupAddParam.h>

#include <cjson/cJSON.h>

#include <UiDataController/CCheckedGroupModel.h>

#include <QorvaGUIToolkit/CLocationViewWidget.h>
#include <QorvaGUIToolkit/CTableView.h>
#include <QorvaGUIToolkit/CTreeView.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>
#include <QorvaGUIToolkit/CValidateLineEditEx.h>

#include <clientcommonlogical/GroupManagerDeletage.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QStandardItemModel>
#include <QTimer>
#include <QTreeView>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace visitorclient;
using benchstats::loadAverage;
using benchstats::median;

namespace {

const int kLargeArea = 1000;

double msSince(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

// Records the turns of the event loop while it runs: the longest time between two.
class GapMeter
{
public:
    GapMeter()
    {
        m_timer.setInterval(0);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { turn(); });
    }
    void start()
    {
        m_longest = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    double stop()
    {
        turn();
        m_timer.stop();
        return m_longest;
    }

private:
    void turn()
    {
        const double now = msSince(m_clock);
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }
    QTimer m_timer;
    QElapsedTimer m_clock;
    double m_last = 0;
    double m_longest = 0;
};

// Runs the event loop until done() holds (or 60 s passed).
bool spinUntil(const std::function<bool()> &done)
{
    QElapsedTimer bound;
    bound.start();
    while (!done()) {
        if (bound.elapsed() > 60000)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

// The bare baseline: the same rows (name, icon, remove pixmap) into a plain model and tree.
double bareFill(const QVector<doorData> &doors)
{
    QTreeView view;
    view.resize(300, 500);
    view.show();
    QCoreApplication::processEvents();
    const QIcon door(QStringLiteral(":/common/Images/common/door.svg"));
    const QPixmap clear(QStringLiteral(":/common/Images/common/Clear.svg"));
    QElapsedTimer timer;
    timer.start();
    auto *model = new QStandardItemModel(0, 2, &view);
    view.setModel(model);
    for (const doorData &d : doors) {
        auto *name = new QStandardItem(door, QString::fromStdString(d.strObjectName));
        name->setData(QString::fromStdString(d.strObjectGuid), Qt::UserRole);
        auto *remove = new QStandardItem;
        remove->setData(clear, Qt::DecorationRole);
        model->appendRow({name, remove});
    }
    view.repaint();
    return msSince(timer);
}

std::string createBody(const protocol::VisitAaccessGroupAddParam &param)
{
    protocol::JSONNodePtr body(cJSON_CreateObject());
    cJSON_AddItemToObject(body.get(), "visitAaccessGroupAddParam", param.toJSON());
    return protocol::printJSON(body.get());
}

void printFigure(const char *what, const std::vector<double> &values, double baseline, double goal)
{
    const double m = median(values);
    std::printf("  %-44s median %8.1f ms  (min %.1f, max %.1f)  baseline %.1f ms  ratio %.1fx%s\n",
                what, m, *std::min_element(values.begin(), values.end()),
                *std::max_element(values.begin(), values.end()), baseline,
                baseline > 0 ? m / baseline : 0.0,
                goal > 0 ? (m < goal ? "  goal met" : "  GOAL MISSED") : "");
}

} // namespace

int main(int argc, char **argv)
{
    benchstats::prepareComponentProcess();
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::printf("bench_accessgroups: %d runs, 5000 doors in 50 areas (first area %d doors), "
                "load average at start %s\n",
                runs, kLargeArea, qPrintable(loadAverage()));

    pagebench::PageBench bench;
    qorvaserver::CManagementServer::SiteSize size;
    size.firstAreaDoors = kLargeArea;
    if (!bench.start() || !bench.beginTest() || !bench.seedLargeSite(size)) {
        std::fprintf(stderr, "page bench: %s\n", qPrintable(bench.error()));
        return 1;
    }
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();

    AccessPointGroupWidget page;
    page.setGroupManager(groups);
    page.resize(1280, 800);
    page.show();
    page.activatePage();
    page.onAdd();
    AddPointGroupWidget &editor = *page.editor();
    // Without a main window the editor is not in a drawer: show it on its own.
    editor.setParent(nullptr);
    editor.resize(660, 760);
    editor.show();
    if (!spinUntil([&] { return editor.doorTreeModel()->GetAllAreaModels().size() == 50; })) {
        std::fprintf(stderr, "the door tree did not load\n");
        return 1;
    }
    const auto areaModels = editor.doorTreeModel()->GetAllAreaModels();
    const auto largest = std::max_element(
        areaModels.begin(), areaModels.end(),
        [](const UiDataController::CAreaModel &a, const UiDataController::CAreaModel &b) {
            return a.GetElementCount() < b.GetElementCount();
        });
    const QModelIndex area = editor.doorTreeModel()->GetAreaIndexByAreaID(largest->GetAreaID());
    std::printf("  largest area: %d doors\n", largest->GetElementCount());

    QorvaGUIToolkit::CTreeView *treeView = editor.doorTree()->GetTreeView();
    const auto viewIndex = [treeView](const QModelIndex &source) {
        auto *proxy = qobject_cast<QAbstractProxyModel *>(treeView->model());
        return proxy != nullptr ? proxy->mapFromSource(source) : source;
    };

    GapMeter gaps;
    std::vector<double> tick, tickGap, fill, fillGap, save, bare, server;
    groupData saved;
    for (int run = 0; run < runs; ++run) {
        editor.setGroup(groupData());
        QCoreApplication::processEvents();

        // Tick: the click on the area's box as the tree reports it.
        QElapsedTimer timer;
        gaps.start();
        timer.start();
        treeView->model()->setData(viewIndex(area), Qt::Checked, Qt::CheckStateRole);
        emit treeView->clicked(viewIndex(area));
        editor.selectedList()->GetTreeView()->repaint();
        spinUntil([&] { return editor.selectedModel()->rowCount() == kLargeArea; });
        tick.push_back(msSince(timer));
        tickGap.push_back(gaps.stop());

        // Save: a new group of these doors, until the detail shows it.
        editor.nameEdit()->setText(QStringLiteral("Large %1").arg(run));
        page.doorsDetail()->clear();
        timer.restart();
        editor.onSave();
        page.doorsDetail()->view()->repaint();
        spinUntil([&] { return page.doorsDetail()->model()->rowCount() == kLargeArea; });
        save.push_back(msSince(timer));
        saved = page.model()->groupAt(page.model()->rowCount() - 1);

        // Fill: the editor opened on that group.
        gaps.start();
        timer.restart();
        editor.setGroup(saved);
        editor.selectedList()->GetTreeView()->repaint();
        fill.push_back(msSince(timer));
        fillGap.push_back(gaps.stop());

        bare.push_back(bareFill(saved.vecDoors));
        groupData copy = saved;
        copy.strName = "Server " + std::to_string(run);
        const std::string body = createBody(AccessGroupConversions::toAddParam(copy));
        timer.restart();
        bench.server().handle(1, "/7310/v1/accessGroups", {}, body);
        server.push_back(msSince(timer));
    }

    const double bareMs = median(bare);
    const double serverMs = median(server);
    printFigure("tick an area of 1000 doors (click to painted)", tick, bareMs, 1000);
    printFigure("  longest event-loop gap while ticking", tickGap, 0, 0);
    printFigure("open the editor on 1000 doors (fill)", fill, bareMs, 0);
    printFigure("  longest event-loop gap while filling", fillGap, 0, 0);
    printFigure("save 1000 doors, shown in the door detail", save, bareMs + serverMs, 500);
    std::printf(
        "  baselines: bare fill of 1000 rows %.1f ms; server handling of the create %.1f ms\n",
        bareMs, serverMs);
    std::printf("  load average at end %s\n", qPrintable(loadAverage()));
    page.onHideFrame();
    bench.stop();
    return 0;
}
