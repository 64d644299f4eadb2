// Built twice: left to right (English) and, with QORVA_TEST_RTL, right to left (Arabic).
#include <UI/Application/CQorvaApplication.h>
#include <UI/Application/CleanUpList.h>

#include <Logical/Communication/Cmd/LpcCmdHandler.h>

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CFile.h>

#include <clientcommonlogical/ConfigMgr.h>

#include <Base/LogCapture.h>

#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

#include <string>
#include <thread>
#include <vector>

using visitorclient::CQorvaApplication;

namespace {

#ifdef QORVA_TEST_RTL
const int kLanguage = 13;
#else
const int kLanguage = 0;
#endif

const char kQssDir[] = ":/QorvaGUIToolKit/Qss/Qss/QorvaGUIToolkit/";

CQorvaApplication *app()
{
    return static_cast<CQorvaApplication *>(qApp);
}

int count(const std::vector<std::string> &messages, const std::string &message)
{
    return static_cast<int>(std::count(messages.begin(), messages.end(), message));
}

} // namespace

class TestQorvaApplication : public QObject
{
    Q_OBJECT
private slots:
    void constructorTakesTheStartParameters();
    void initRunsItsStepsInOrder();
    void styleAndStyleSheetComeFromThePlugins();
    void translationsAndLocale();
    void unInitRunsTheCleanUpListOnce();
    void exitSignalFromAnotherThreadQuits();

private:
    Base::details::CLogCapture m_capture;
};

void TestQorvaApplication::constructorTakesTheStartParameters()
{
    QCOMPARE(app()->skinKey(), QStringLiteral("BlackRedSkin"));
    QCOMPARE(app()->language(), kLanguage);
    QCOMPARE(app()->skinVariant(), 0);
    QCOMPARE(app()->isRightToLeft(), kLanguage == 13);
    QVERIFY(clientcommonlogical::CConfigMgr::Instance().isInitialised());
    QCOMPARE(clientcommonlogical::CConfigMgr::Instance().getLanguage(), kLanguage);
    QCOMPARE(clientcommonlogical::CConfigMgr::Instance().getReserved(), 7);
    QCOMPARE(app()->font().family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(app()->font().pixelSize(), 12);
}

void TestQorvaApplication::initRunsItsStepsInOrder()
{
    m_capture.clear();
    QVERIFY(app()->init());
    const std::vector<std::string> expected = {
        "strSkinKey is BlackRedSkin,strSkinDir isdark",
        "success to load QorvaGUIToolKitBlackRedSkin.",
        "success to load ClientCommSkin.",
        "success to load VisitorManagement.CSkin.",
        "loadSkin Success.",
        "loadStyle Success.",
        "initBase Success.",
        "initLogical Success.",
        "loadTranslator Success.",
        "initLocal Success.",
    };
    int previous = -1;
    for (const std::string &message : expected) {
        const int index = m_capture.indexOf(message);
        QVERIFY2(index > previous, message.c_str());
        previous = index;
    }
    // No framework runs here: the link fails, and no step claims a success it did not have.
    QVERIFY(m_capture.contains("lpcInit Failed."));
    QVERIFY(!m_capture.contains("lpcInit Success."));
    QVERIFY(!m_capture.contains("CCmdManager init Success."));
    QVERIFY(!m_capture.contains("initComponentDBLogical init Success."));
    QVERIFY(m_capture.indexOf("initBase Success.") < m_capture.indexOf("lpcInit Failed."));
    for (const auto &line : m_capture.lines()) {
        if (line.message == "loadSkin Success.") {
            QCOMPARE(QString::fromStdString(line.file), QStringLiteral("CQorvaApplication.cpp"));
            QVERIFY(line.function.find("CQorvaApplication::init") != std::string::npos);
        }
    }
    QCOMPARE(app()->loadedSkinPlugins(),
             QStringList({"QorvaGUIToolKitBlackRedSkin", "ClientCommonBlackRedSkin", "VisitorManagement.C.BlackRedSkin"}));
    // Library paths are kept canonical.
    QVERIFY(app()->libraryPaths().contains(QDir(app()->applicationDirPath() + "/plugins").canonicalPath()));
}

void TestQorvaApplication::styleAndStyleSheetComeFromThePlugins()
{
    // With a style sheet set, the application style is Qt's style-sheet style over ours.
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("CQorvaStyle"), Qt::CaseInsensitive));
    QCOMPARE(app()->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 300);

    QStringList files = QDir(QLatin1String(kQssDir)).entryList(QDir::Files);
    QVERIFY(files.contains(QStringLiteral("MacSpecial.qss")));
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    QVERIFY(!files.isEmpty());

    const QString sheet = app()->styleSheet();
    QVERIFY(!sheet.isEmpty());
    QVERIFY2(!sheet.contains(QStringLiteral("MacSpecial")), "MacSpecial.qss must be left out");
    // The dark family's colours, with the common rules first.
    QVERIFY(sheet.contains(QStringLiteral("#1B1C1F"), Qt::CaseInsensitive));
    const QString leftToRight = QorvaGUIToolkit::CFile::ReadAll(files, QLatin1String(kQssDir));
    const QString rightToLeft = QorvaGUIToolkit::CFile::ReadAllHb(files, QLatin1String(kQssDir));
    QVERIFY(leftToRight != rightToLeft);
    QCOMPARE(sheet, kLanguage == 13 ? rightToLeft : leftToRight);
}

void TestQorvaApplication::translationsAndLocale()
{
    // Arabic has no translation files: English is the fallback.
    QCOMPARE(QCoreApplication::translate("visitorclient::MainWindow", "VisitorsToMakeAnAppoSvkGZlt"),
             QStringLiteral("Appointments"));
    QCOMPARE(QorvaGUIToolkit::skinType(), QStringLiteral("BlackRedSkin"));
    QCOMPARE(app()->layoutDirection(), kLanguage == 13 ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(QorvaGUIToolkit::guiLocale().language(), kLanguage == 13 ? QLocale::Arabic : QLocale::English);
}

void TestQorvaApplication::unInitRunsTheCleanUpListOnce()
{
    const std::vector<std::string> started = visitorclient::CCleanUpList::Instance().typeNames();
    // The base services start first, in this order; the framework link's follow.
    QVERIFY(started.size() >= 3);
    QCOMPARE(std::vector<std::string>(started.begin(), started.begin() + 3),
             (std::vector<std::string>{"comm_method::CThreadPoolForNetTask", "comm_method::CThreadPoolForInnerTask",
                                       "Base::CMessageLoopWorkThread"}));
    m_capture.clear();
    app()->unInit();
    app()->unInit();
    const std::vector<std::string> messages = m_capture.messages();
    // Each service once, in reverse start order, before the closing line.
    int previous = static_cast<int>(messages.size());
    for (const std::string &name : started) {
        const std::string line = "unInit [" + name + "]";
        QCOMPARE(count(messages, line), 1);
        const int index = m_capture.indexOf(line);
        QVERIFY2(index < previous, line.c_str());
        previous = index;
    }
    QVERIFY(m_capture.indexOf("unInit [comm_method::CThreadPoolForNetTask]") < m_capture.indexOf("unInitLogical success"));
    QVERIFY(visitorclient::CCleanUpList::Instance().empty());
}

void TestQorvaApplication::exitSignalFromAnotherThreadQuits()
{
    // The framework's exit command arrives on a pool thread; the application leaves its
    // event loop on the GUI thread.
    QTimer::singleShot(0, [] {
        std::thread([] { emit Base::CSingleton<visitorclient::CLpcCmdHandler>::Instance().signalProcessExit(); })
            .join();
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    QCOMPARE(app()->exec(), 0);
}

int main(int argc, char **argv)
{
    Q_UNUSED(argc)
#ifdef QORVA_TEST_RTL
    QByteArray params("BlackRedSkin 13 0 7 0 0");
#else
    QByteArray params("BlackRedSkin 0 0 7 0 0");
#endif
    QByteArray arg1("--framework-arg"), arg2("x");
    char *appArgv[] = {argv[0], arg1.data(), arg2.data(), params.data(), nullptr};
    int appArgc = 4;
    CQorvaApplication application(QStringLiteral("Qorva-7310 V3.0 VisitorManagement Application"), appArgc, appArgv);
    // As main() does before init(): the style plug-ins sit in <prefix>/plugins.
    application.addLibraryPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../plugins"));
    TestQorvaApplication test;
    char *testArgv[] = {argv[0], nullptr};
    return QTest::qExec(&test, 1, testArgv);
}

#include "tst_qorva_application.moc"
