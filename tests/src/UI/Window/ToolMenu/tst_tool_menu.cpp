#include <UI/AppRscManager/AppRscManager.h>
#include <UI/Window/ToolMenu/CToolMenu.h>

#include <UiDataController/CEncodeLogicModel.h>

#include <clientcommonlogical/IGroupManager.h>

#include <Base/LogCapture.h>

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QtTest>

#include <algorithm>
#include <mutex>

using qorva7310::GroupAreaInfo;
using qorva7310::LoadState;
using visitorclient::CToolMenu;

namespace {

// Resource groups as a test sets them; listeners hear about it as from a real manager.
class FakeGroupManager : public qorva7310::IGroupManager
{
public:
    LoadState loadState() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_state;
    }
    void refresh() override {}
    void addChangeListener(qorva7310::IDataChangeListener *listener) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
            m_listeners.push_back(listener);
    }
    void removeChangeListener(qorva7310::IDataChangeListener *listener) override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                          m_listeners.end());
    }
    std::shared_ptr<qorva7310::IGroupElement> getElement(const std::string &,
                                                         const std::string &) const override
    {
        return nullptr;
    }
    std::vector<GroupAreaInfo> getAreas() const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_areas;
    }
    bool getArea(const std::string &areaId, GroupAreaInfo &area) const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &a : m_areas) {
            if (a.id == areaId) {
                area = a;
                return true;
            }
        }
        return false;
    }
    bool getElementInfo(const std::string &elementId,
                        qorva7310::GroupElementInfo &element) const override
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (const auto &a : m_areas) {
            for (const auto &e : a.elements) {
                if (e.id == elementId) {
                    element = e;
                    return true;
                }
            }
        }
        return false;
    }

    void finishLoad(LoadState state, std::vector<GroupAreaInfo> areas)
    {
        std::vector<qorva7310::IDataChangeListener *> listeners;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_state = state;
            m_areas = std::move(areas);
            listeners = m_listeners;
        }
        for (auto *listener : listeners)
            listener->onReset();
    }
    void renameArea(const std::string &id, const std::string &name)
    {
        std::vector<qorva7310::IDataChangeListener *> listeners;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            for (auto &a : m_areas) {
                if (a.id == id)
                    a.name = name;
            }
            listeners = m_listeners;
        }
        for (auto *listener : listeners)
            listener->onItemChanged(qorva7310::DataKind::Area, id);
    }

private:
    mutable std::mutex m_mutex;
    LoadState m_state = LoadState::NotLoaded;
    std::vector<GroupAreaInfo> m_areas;
    std::vector<qorva7310::IDataChangeListener *> m_listeners;
};

std::vector<GroupAreaInfo> site()
{
    GroupAreaInfo lobby{"area-2", "Lobby", 2, {}};
    lobby.elements = {{"door-1", "Main entrance", "area-2", "dev-1", 1, true},
                      {"door-2", "Side gate", "area-2", "dev-1", 2, false}};
    GroupAreaInfo office{"area-1", "Office 访客区", 1, {}};
    office.elements = {{"door-3", "Office door", "area-1", "dev-2", 1, true}};
    return {office, lobby}; // in display order, as a manager gives them
}

} // namespace

class TestToolMenu : public QObject
{
    Q_OBJECT
private slots:
    void statusLineSaysWhyTheTreeIsEmpty();
    void treeFollowsTheGroupManager();
    void windowManagerGivesItsSharedGroupManager();
};

void TestToolMenu::statusLineSaysWhyTheTreeIsEmpty()
{
    QCOMPARE(CToolMenu::statusText(LoadState::Loaded, true), QString());
    QCOMPARE(CToolMenu::statusText(LoadState::Loading, true), QString());
    QCOMPARE(CToolMenu::statusText(LoadState::NotLoaded, false),
             QCoreApplication::translate("ToolMenu", "ToolMenuLoading"));
    QCOMPARE(CToolMenu::statusText(LoadState::Loaded, false),
             QCoreApplication::translate("ToolMenu", "ToolMenuEmpty"));
    QCOMPARE(CToolMenu::statusText(LoadState::Failed, false),
             QCoreApplication::translate("ToolMenu", "ToolMenuFailed"));
    QCOMPARE(CToolMenu::statusText(LoadState::Failed, true),
             QCoreApplication::translate("ToolMenu", "ToolMenuStale"));
}

void TestToolMenu::treeFollowsTheGroupManager()
{
    auto groups = std::make_shared<FakeGroupManager>();
    Base::details::CLogCapture capture;
    CToolMenu window(groups);
    window.show();
    QVERIFY(capture.indexOf("CToolMenu::CToolMenu()") < capture.indexOf("CToolMenu::init()"));
    auto *tree = window.findChild<QTreeView *>(QStringLiteral("m_pTreeView"));
    auto *status = window.findChild<QLabel *>(QStringLiteral("m_pStatusLabel"));
    QVERIFY(tree && status);
    QVERIFY(tree->header()->isHidden());
    auto *model = qobject_cast<UiDataController::CEncodeLogicModel *>(tree->model());
    QVERIFY(model);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(status->text(), CToolMenu::statusText(LoadState::NotLoaded, false));

    groups->finishLoad(LoadState::Loaded, site());
    QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 2, 30000);
    // Areas in display order, each with its doors.
    QCOMPARE(model->index(0, 0).data().toString(), QStringLiteral("Office 访客区"));
    QCOMPARE(model->index(1, 0).data().toString(), QStringLiteral("Lobby"));
    const QModelIndex lobby = model->index(1, 0);
    QCOMPARE(model->rowCount(lobby), 2);
    QCOMPARE(model->index(1, 0, lobby).data().toString(), QStringLiteral("Side gate"));
    QVERIFY(tree->isExpanded(lobby));
    QVERIFY(status->isHidden());

    groups->renameArea("area-2", "Reception");
    QTRY_COMPARE_WITH_TIMEOUT(model->index(1, 0).data().toString(), QStringLiteral("Reception"),
                              30000);

    // A failed reload keeps the tree and says that it may be out of date.
    groups->finishLoad(LoadState::Failed, site());
    QTRY_VERIFY_WITH_TIMEOUT(!status->isHidden(), 30000);
    QCOMPARE(status->text(), CToolMenu::statusText(LoadState::Failed, true));
    QCOMPARE(model->rowCount(), 2);
}

void TestToolMenu::windowManagerGivesItsSharedGroupManager()
{
    auto &manager = visitorclient::CAppRscManager::Instance();
    manager.init();
    const int wid = manager.getToolWndWID();
    auto *window = qobject_cast<CToolMenu *>(QWidget::find(static_cast<WId>(wid)));
    QVERIFY(window);
    QVERIFY(window->parentWidget() == nullptr);
    auto *tree = window->findChild<QTreeView *>(QStringLiteral("m_pTreeView"));
    auto *model = qobject_cast<UiDataController::CEncodeLogicModel *>(tree->model());
    QVERIFY(model);
    QCOMPARE(model->GetGroupManager(), manager.getIGroupManager());
    QCOMPARE(manager.getToolWndWID(), wid);
    // No backend here: the shared manager's load fails, and the window says so.
    auto *status = window->findChild<QLabel *>(QStringLiteral("m_pStatusLabel"));
    QTRY_COMPARE_WITH_TIMEOUT(status->text(), CToolMenu::statusText(LoadState::Failed, false),
                              30000);
    manager.unInit();
}

QTEST_MAIN(TestToolMenu)
#include "tst_tool_menu.moc"
