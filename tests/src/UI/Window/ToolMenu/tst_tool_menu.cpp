// The tool-menu window against the page bench's server: the tree the shared group manager
// fills, server changes arriving in place, and the line under the tree when it is empty.
#include <UI/AppRscManager/AppRscManager.h>
#include <UI/Window/ToolMenu/CToolMenu.h>

#include <UiDataController/CEncodeLogicModel.h>

#include <clientcommonlogical/GroupManagerDeletage.h>

#include <RequestRouter.h>

#include "pagebench/BenchTestCase.h"

#include <Base/LogCapture.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QtTest>

using qorva7310::LoadState;
using UiDataController::CEncodeLogicModel;
using visitorclient::CToolMenu;

namespace {

struct Parts
{
    QTreeView *tree = nullptr;
    QLabel *status = nullptr;
    CEncodeLogicModel *model = nullptr;
};

Parts partsOf(const QWidget &window)
{
    Parts parts;
    parts.tree = window.findChild<QTreeView *>(QStringLiteral("m_pTreeView"));
    parts.status = window.findChild<QLabel *>(QStringLiteral("m_pStatusLabel"));
    if (parts.tree)
        parts.model = qobject_cast<CEncodeLogicModel *>(parts.tree->model());
    return parts;
}

} // namespace

class TestToolMenu : public pagebench::BenchTestCase
{
    Q_OBJECT

private slots:
    void treeShowsTheSharedGroupManagersSite();
    void failedLoadIsSaidInWordsAndRecovers();
};

void TestToolMenu::treeShowsTheSharedGroupManagersSite()
{
    auto &rsc = visitorclient::CAppRscManager::Instance();
    const int wid = rsc.getToolWndWID();
    QCOMPARE(rsc.getToolWndWID(), wid);
    auto *window = qobject_cast<CToolMenu *>(QWidget::find(static_cast<WId>(wid)));
    QVERIFY(window);
    QVERIFY(window->parentWidget() == nullptr);
    const Parts parts = partsOf(*window);
    QVERIFY(parts.tree && parts.status && parts.model);
    QCOMPARE(parts.model->GetGroupManager(), rsc.getIGroupManager());
    QVERIFY(parts.tree->header()->isHidden());
    QAbstractItemModelTester tester(parts.model,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);

    // Areas in the server's order, each expanded with its doors.
    const auto areas = m_bench.server().list("areas");
    QVERIFY(areas.size() > 2);
    QVERIFY(m_bench.waitUntil(
        [&] { return parts.model->rowCount() == static_cast<int>(areas.size()) - 1; }));
    int doors = 0;
    for (int row = 0; row < parts.model->rowCount(); ++row) {
        const QModelIndex area = parts.model->index(row, 0);
        QCOMPARE(area.data().toString(), QString::fromStdString(areas[row + 1][1]));
        QVERIFY(parts.tree->isExpanded(area));
        doors += parts.model->rowCount(area);
    }
    QCOMPARE(doors, static_cast<int>(m_bench.ids("doors").size()));
    QVERIFY(parts.status->isHidden());

    // A renamed group changes in place.
    const std::string renamed = "Reception 接待处";
    QCOMPARE(m_bench.server().renameResourceGroup(areas[2][0], renamed), 0u);
    QVERIFY(m_bench.waitUntil([&] {
        return parts.model->index(1, 0).data().toString() == QString::fromStdString(renamed);
    }));
}

void TestToolMenu::failedLoadIsSaidInWordsAndRecovers()
{
    // A window of its own over a manager that cannot reach the server.
    m_bench.router().setServer(nullptr);
    auto groups = std::make_shared<clientcommonlogical::CGroupManagerDeletage>();
    Base::details::CLogCapture capture;
    CToolMenu window(groups);
    QVERIFY(capture.indexOf("CToolMenu::CToolMenu()") < capture.indexOf("CToolMenu::init()"));
    window.show();
    const Parts parts = partsOf(window);
    const bool failed = m_bench.waitUntil(
        [&] { return parts.status->text() == CToolMenu::statusText(LoadState::Failed, false); });
    m_bench.router().setServer(&m_bench.server());
    QVERIFY(failed);
    QVERIFY(parts.status->isVisible());
    QCOMPARE(parts.model->rowCount(), 0);

    groups->refresh();
    QVERIFY(m_bench.waitUntil([&] { return parts.model->rowCount() > 0; }));
    QVERIFY(m_bench.waitUntil([&] { return parts.status->isHidden(); }));

    // A reload that fails keeps the tree and says that it may be out of date.
    m_bench.router().setServer(nullptr);
    groups->refresh();
    const bool stale = m_bench.waitUntil(
        [&] { return parts.status->text() == CToolMenu::statusText(LoadState::Failed, true); });
    m_bench.router().setServer(&m_bench.server());
    QVERIFY(stale);
    QVERIFY(parts.status->isVisible());
    QVERIFY(parts.status->text() != CToolMenu::statusText(LoadState::Failed, false));
    QVERIFY(parts.model->rowCount() > 0);
    window.close();
}

QTEST_MAIN(TestToolMenu)
#include "tst_tool_menu.moc"
