#include <UI/Window/Application/COverlayFrame.h>
#include <UI/Window/Application/MainWindow.h>
#include <UI/Window/Application/Widget.h>
#include <UI/Window/Application/WindowPointers.h>

#include <UiDataController/ErrorInfoMgr.h>
#include <UiDataController/PermissionManager.h>

#include <QorvaGUIToolkit/CBaseCentralWidget.h>
#include <QorvaGUIToolkit/CShadeFrame.h>
#include <QorvaGUIToolkit/TestHooks.h>

#include <clientcommonlogical/SwitchUserNotifyMgr.h>
#include <clientcommonlogical/UserConfigDelegate.h>

#include <Base/Error.h>

#include <testsupport/LogWatch.h>

#include <QPushButton>
#include <QResizeEvent>
#include <QtTest>

#include <memory>
#include <thread>

using namespace visitorclient;
using QorvaGUIToolkit::TestHooks;

namespace {

const char *const kPageNames[] = {"Appointment_Widget", "VisitorRecord_Widget", "AccessPointGroup_Widget",
                                  "BasicSetting_Widget", "QRCodeCfgWidget"};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buildsTheSixPagesOnce();
    void selectingTheCurrentPageDoesNotReactivateIt();
    void modalLikeWidgetReplacesThePreviousOne();
    void destroyingTheModalLikeWidgetHidesTheShade();
    void drawerShowsAndHidesOnce();
    void resizeKeepsOverlaysAligned();
    void withdrawnPermissionDisablesPagesAndClosesDrawer();
    void pageBaseMouseAndSizeSignals();
    void resultShowSavedAndErrors();

private:
    Widget *page(const char *name) const { return m_window->findChild<Widget *>(QLatin1String(name)); }
    void openDrawer();

    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> m_userConfig;
    std::unique_ptr<MainWindow> m_window;
};

void TestMainWindow::initTestCase()
{
    TestHooks::enable();
    TestHooks::setDefaultAnswer(TestHooks::Answer::Confirm);
    m_userConfig = std::make_shared<clientcommonlogical::CUserConfigDelegate>();
    m_userConfig->setDeniedFunctions({});
    UiDataController::CPermissionManager::instance()->init(m_userConfig);
}

void TestMainWindow::init()
{
    m_userConfig->setDeniedFunctions({});
    TestHooks::clearRecords();
    m_window = std::make_unique<MainWindow>();
    m_window->resize(1200, 760);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestMainWindow::cleanup()
{
    m_window.reset();
    QCOMPARE(g_pMainWindow, nullptr);
}

void TestMainWindow::openDrawer()
{
    auto *content = new QWidget;
    page("Appointment_Widget")->setOverlayContent(QStringLiteral("Title"), content, 660);
    page("Appointment_Widget")->onShowFrame();
    QVERIFY(m_window->overlayFrame()->isShown());
}

void TestMainWindow::buildsTheSixPagesOnce()
{
    QCOMPARE(g_pMainWindow, m_window.get());
    QCOMPARE(g_pShadeFrame, m_window->shadeFrame());
    QCOMPARE(g_pOverlayFrame, m_window->overlayFrame());

    for (const char *name : kPageNames) {
        QCOMPARE(m_window->findChildren<Widget *>(QLatin1String(name)).size(), 1);
        QVERIFY2(m_window->pageMap().values().contains(page(name)), name);
        QCOMPARE(page(name)->overlayFrame(), m_window->overlayFrame());
    }
    // The blacklist page exists but has no navigation entry.
    Widget *blackList = page("BlackList_Widget");
    QVERIFY(blackList);
    QVERIFY(!blackList->isVisible());
    QVERIFY(!m_window->pageMap().values().contains(blackList));

    // The appointment page is the start page; the overlays wait hidden.
    QCOMPARE(m_window->currentPage(), page("Appointment_Widget"));
    QCOMPARE(m_window->centralWidget()->currentPage(), page("Appointment_Widget"));
    QVERIFY(!m_window->overlayFrame()->isVisible());
    QVERIFY(!m_window->shadeFrame()->isVisible());
}

void TestMainWindow::selectingTheCurrentPageDoesNotReactivateIt()
{
    testsupport::LogWatch capture;
    const QString recordText = m_window->pageMap().key(page("VisitorRecord_Widget"));
    QVERIFY(!recordText.isEmpty());

    m_window->centralWidget()->setTriggered(0, 1);
    QCOMPARE(m_window->currentPage(), page("VisitorRecord_Widget"));
    m_window->centralWidget()->setTriggered(0, 1);
    m_window->onSelectPage(recordText);
    QCOMPARE(capture.count("=VisitorRecordWidget= activated"), 1);

    // The single-page group opens its page; an unknown text changes nothing.
    m_window->centralWidget()->setTriggered(1, 0);
    QCOMPARE(m_window->currentPage(), page("AccessPointGroup_Widget"));
    m_window->onSelectPage(QStringLiteral("no such entry"));
    QCOMPARE(m_window->currentPage(), page("AccessPointGroup_Widget"));

    m_window->onSelectPage(recordText);
    QCOMPARE(capture.count("=VisitorRecordWidget= activated"), 2);
    QCOMPARE(capture.count("=AccessPointGroupWidget= activated"), 1);
}

void TestMainWindow::modalLikeWidgetReplacesThePreviousOne()
{
    QPointer<QWidget> first = new QWidget;
    first->setAttribute(Qt::WA_DeleteOnClose);
    first->resize(200, 100);
    m_window->showModalLikeWidget(first);
    QCOMPARE(first->parentWidget(), m_window->shadeFrame());
    QVERIFY(first->isVisible());
    QVERIFY(m_window->shadeFrame()->isVisible());
    QCOMPARE(first->geometry().center(), QRect(QPoint(0, 0), m_window->shadeFrame()->size()).center());

    QPointer<QWidget> second = new QWidget;
    second->resize(300, 120);
    m_window->showModalLikeWidget(second);
    QTRY_VERIFY(first.isNull()); // closed, and gone because it deletes itself on close
    QCOMPARE(m_window->modalLikeWidget(), second.data());
    QVERIFY(second->isVisible());
    // The first widget's destruction must not take the shade from under the second.
    QVERIFY(m_window->shadeFrame()->isVisible());
    delete second.data();
}

void TestMainWindow::destroyingTheModalLikeWidgetHidesTheShade()
{
    auto *widget = new QWidget;
    m_window->showModalLikeWidget(widget);
    QVERIFY(m_window->shadeFrame()->isVisible());
    delete widget;
    QVERIFY(!m_window->shadeFrame()->isVisible());
    QCOMPARE(m_window->modalLikeWidget(), nullptr);
}

void TestMainWindow::drawerShowsAndHidesOnce()
{
    COverlayFrame *drawer = m_window->overlayFrame();
    QSignalSpy hidden(drawer, &COverlayFrame::signalHide);

    drawer->onShowFrame(); // no content yet: nothing happens
    QVERIFY(!drawer->isShown());
    QVERIFY(!drawer->isVisible());
    drawer->onHideFrame(); // not shown: no signal
    QCOMPARE(hidden.count(), 0);

    drawer->setContent(QStringLiteral("Ignored"), nullptr);
    QCOMPARE(drawer->contentWidget(), nullptr);

    openDrawer();
    QCOMPARE(drawer->title(), QStringLiteral("Title"));
    QVERIFY(drawer->isVisible());
    QVERIFY(m_window->shadeFrame()->isVisible());
    QTRY_COMPARE(drawer->x(), m_window->width() - 660);

    // New content replaces the old one, which is left without parent.
    QPointer<QWidget> old = drawer->contentWidget();
    auto *next = new QWidget;
    drawer->setContent(QStringLiteral("Next"), next);
    QCOMPARE(old->parentWidget(), nullptr);
    QVERIFY(!old->isVisible());
    delete old.data();

    drawer->findChild<QPushButton *>(QStringLiteral("OverlayCloseButton"))->click();
    QCOMPARE(hidden.count(), 1);
    QVERIFY(!drawer->isVisible());
    QVERIFY(!m_window->shadeFrame()->isVisible());
    drawer->onHideFrame();
    QCOMPARE(hidden.count(), 1);
}

void TestMainWindow::resizeKeepsOverlaysAligned()
{
    m_window->resize(1000, 700);
    QTRY_COMPARE(m_window->overlayFrame()->geometry(), QRect(340, 0, 660, 700));
    QCOMPARE(m_window->shadeFrame()->geometry(), QRect(0, 0, 1000, 700));
}

void TestMainWindow::withdrawnPermissionDisablesPagesAndClosesDrawer()
{
    openDrawer();
    QSignalSpy hidden(m_window->overlayFrame(), &COverlayFrame::signalHide);
    m_userConfig->setDeniedFunctions({9});

    // Other kinds of notification change nothing.
    clientcommonlogical::CSwitchUserNotifyMgr::Instance().notify(2);
    QCoreApplication::processEvents();
    QVERIFY(page("Appointment_Widget")->isPageEnabled());

    // The framework reports the switch on a thread of its own.
    std::thread([] { clientcommonlogical::CSwitchUserNotifyMgr::Instance().updateFrame(); }).join();
    QTRY_VERIFY(!page("Appointment_Widget")->isPageEnabled());
    for (const char *name : kPageNames)
        QVERIFY2(!page(name)->isPageEnabled(), name);
    QVERIFY(page("BlackList_Widget")->isEnabled());
    QCOMPARE(hidden.count(), 1);
    QVERIFY(!m_window->overlayFrame()->isShown());

    m_userConfig->setDeniedFunctions({});
    clientcommonlogical::CSwitchUserNotifyMgr::Instance().updateFrame();
    for (const char *name : kPageNames)
        QVERIFY2(page(name)->isPageEnabled(), name);
}

void TestMainWindow::pageBaseMouseAndSizeSignals()
{
    Widget *base = page("BasicSetting_Widget");
    QSignalSpy clicked(base, &Widget::signalMouseClicked);
    QSignalSpy doubleClicked(base, &Widget::signalDoubleClicked);
    QSignalSpy widthZero(base, &Widget::signalWidthIsZero);
    QSignalSpy heightZero(base, &Widget::signalHeightIsZero);
    QTest::mousePress(base, Qt::LeftButton);
    QTest::mouseDClick(base, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(doubleClicked.count(), 1);

    QResizeEvent toZeroWidth(QSize(0, 40), QSize(10, 40));
    QCoreApplication::sendEvent(base, &toZeroWidth);
    QResizeEvent toZeroHeight(QSize(40, 0), QSize(40, 10));
    QCoreApplication::sendEvent(base, &toZeroHeight);
    QCOMPARE(widthZero.count(), 1);
    QCOMPARE(heightZero.count(), 1);
}

void TestMainWindow::resultShowSavedAndErrors()
{
    Widget *base = page("Appointment_Widget");
    emit base->signalResult(true);
    QCOMPARE(TestHooks::notices().size(), 1);
    QCOMPARE(TestHooks::notices().last(), Widget::tr("Saved"));

    const QString busyText = UiDataController::CErrorInfoMgr::GetErrorInfoByCode(67, 1015);
    Base::Error::SetLastError(67, 1015);
    base->onResultShow(false);
    QCOMPARE(TestHooks::notices().size(), 2);
    QCOMPARE(TestHooks::notices().last(), Widget::tr("SaveFailed") + busyText);
    QVERIFY(TestHooks::warnings().isEmpty());

    for (int code : {6900, 6901}) {
        UiDataController::CErrorInfoMgr::registerErrorText(67, code, QStringLiteral("Duplicate %1").arg(code));
        Base::Error::SetLastError(67, code);
        base->onResultShow(false);
        QCOMPARE(TestHooks::warnings().last(), UiDataController::CErrorInfoMgr::GetErrorInfoByCode(67, code));
        QCOMPARE(TestHooks::records(TestHooks::Kind::Warning).last().title, Widget::tr("Error"));
    }
    QCOMPARE(TestHooks::warnings().size(), 2);
    QCOMPARE(TestHooks::notices().size(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
