// The main window on the page test bench: what reaches the pages the product's way. An
// operator switch sent as the framework sends it disables every page's editing, and a
// save the server refuses is reported in words. (Also the pattern for page tests.)

#include "pagebench/BenchTestCase.h"

#include <UI/Window/Application/COverlayFrame.h>
#include <UI/Window/Application/MainWindow.h>
#include <UI/Window/Application/Widget.h>

#include <JSONStruct/appointment/ModifyAppointment.h>

#include <CommunicationLayer/AppointmentComm.h>

#include <QtTest>

using visitorclient::MainWindow;

namespace {

const char *const kEditablePages[] = {"Appointment_Widget", "VisitorRecord_Widget",
                                      "AccessPointGroup_Widget", "BasicSetting_Widget",
                                      "QRCodeCfgWidget"};

} // namespace

class TestMainWindowBench : public pagebench::BenchTestCase
{
    Q_OBJECT

    bool pagesEnabled(const MainWindow &window, bool enabled)
    {
        for (const char *name : kEditablePages) {
            if (window.findChild<visitorclient::Widget *>(QLatin1String(name))->isPageEnabled() !=
                enabled)
                return false;
        }
        return true;
    }

private slots:
    void anOperatorWithoutTheRightGetsNoEditingAnywhere()
    {
        MainWindow window;
        window.show();
        QVERIFY(pagesEnabled(window, true));
        auto *content = new QWidget;
        window.overlayFrame()->setContent(QStringLiteral("Add"), content);
        window.overlayFrame()->onShowFrame();
        QVERIFY(window.overlayFrame()->isVisible());

        QVERIFY(m_bench.switchOperator(1));
        QVERIFY(m_bench.waitUntil([&] { return pagesEnabled(window, false); }));
        QVERIFY(!window.overlayFrame()->isVisible());

        QVERIFY(m_bench.switchOperator(0));
        QVERIFY(m_bench.waitUntil([&] { return pagesEnabled(window, true); }));
    }

    void aRefusedSaveIsReportedInWords()
    {
        MainWindow window;
        window.show();
        auto *page =
            window.findChild<visitorclient::Widget *>(QStringLiteral("Appointment_Widget"));
        protocol::ModifyAppointment change;
        change.guid = "0123456789abcdef0123456789abcdef";
        change.name_ = "Nobody";
        QVERIFY(!commlayer::AppointmentComm::updateAppointment(change, change.guid));
        emit page->signalResult(false);

        QCOMPARE(m_bench.notices().size(), 1);
        const QString notice = m_bench.notices().first();
        QVERIFY2(
            notice.startsWith(QCoreApplication::translate("visitorclient::Widget", "SaveFailed")),
            qPrintable(notice));
        QVERIFY2(notice.contains(QStringLiteral("(20-")), qPrintable(notice));
        QVERIFY2(!notice.contains(QStringLiteral("Unknown error")), qPrintable(notice));
    }
};

QTEST_MAIN(TestMainWindowBench)
#include "tst_main_window_bench.moc"
