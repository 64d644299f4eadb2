#include "CQorvaApplication.h"

#include "CleanUpList.h"
#include "SkinPluginLoader.h"
#include "StartParameters.h"

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>
#include <Logical/Communication/Cmd/LpcCmd/LpcCmd.h>
#include <Logical/Communication/Cmd/LpcCmdHandler.h>
#include <Logical/Communication/LpcInterface/LpcInterface.h>
#include <Logical/Database/ComponentSchema.h>
#include <UI/AppRscManager/AppRscManager.h>
#include <UI/UiDriver/UiDriver.h>
#include <UI/Window/Common/ErrorTexts.h>

#include <JSONStruct/LPC/LPCCommonJSONStruct.h>
#include <JSONStruct/Routes/WireNames.h>

#include <Common/CommonMethod/InitDBLogical.h>
#include <Common/CommonMethod/ThreadPoolForInnerTask.h>
#include <Common/CommonMethod/ThreadPoolForNetTask.h>

#include <UiDataController/Translation.h>

#include <QorvaGUIToolkit/Application.h>
#include <QorvaGUIToolkit/CFile.h>

#include <clientcommonlogical/ConfigMgr.h>
#include <clientcommonlogical/NotifyCenterManager.h>

#include <Base/Log.h>
#include <Base/MessageLoopWorkThread.h>

#include <QDebug>
#include <QDir>
#include <QFont>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

namespace visitorclient {

namespace {

const char kQssDir[] = ":/QorvaGUIToolKit/Qss/Qss/QorvaGUIToolkit/";

} // namespace

CQorvaApplication::CQorvaApplication(const QString &name, int &argc, char **argv)
    : QtModuleApplication(name, argc, argv)
{
    const StartParameters params = StartParameters::parse(argc, argv);
    m_strSkinKey = params.strSkinKey;
    m_iLanguage = params.iLanguage;
    m_iSkinVariant = params.iSkinVariant;
    if (argc >= 4 && params.bHasConfig)
        clientcommonlogical::CConfigMgr::Instance().init(params.config);

    QFont font(QStringLiteral("Microsoft YaHei"));
    font.setPixelSize(12);
    font.setKerning(false);
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    setFont(font);

    connect(&Base::CSingleton<CLpcCmdHandler>::Instance(), &CLpcCmdHandler::signalProcessExit, this,
            &CQorvaApplication::onQuit);
}

CQorvaApplication::~CQorvaApplication() = default;

bool CQorvaApplication::init()
{
    const QString pluginPath = QDir::toNativeSeparators(applicationDirPath()) + QDir::separator() + QStringLiteral("plugins");
    addLibraryPath(pluginPath);
    qDebug() << "library path:" << pluginPath;

    // Skins and style only change the look: the component still starts without them.
    loadSkin();
    LOG_INFO("loadSkin Success.");
    if (loadStyle())
        LOG_INFO("loadStyle Success.");
    else
        LOG_ERROR("loadStyle Failed.");
    if (!initLogical()) {
        LOG_ERROR("initLogical Failed.");
        return false;
    }
    LOG_INFO("initLogical Success.");
    loadTranslator();
    LOG_INFO("loadTranslator Success.");
    initLocal();
    LOG_INFO("initLocal Success.");
    return true;
}

QString CQorvaApplication::skinDirectory() const
{
    return StartParameters::skinDirectory(m_strSkinKey, m_iSkinVariant);
}

bool CQorvaApplication::isRightToLeft() const
{
    return StartParameters::isRightToLeft(m_iLanguage);
}

void CQorvaApplication::loadSkin()
{
    const QString skinDir = skinDirectory();
    LOG_INFO("strSkinKey is %s,strSkinDir is%s", qUtf8Printable(m_strSkinKey), qUtf8Printable(skinDir));

    const QString toolkitPath = QorvaGUIToolkit::GetTargetPath();
    const QString sharedDir = toolkitPath + QStringLiteral("../plugins/skins/") + skinDir + QLatin1Char('/');
    const QString ownDir = toolkitPath + QStringLiteral("plugins/skins/") + skinDir + QLatin1Char('/');

    const QString toolkitName = QStringLiteral("QorvaGUIToolKit") + m_strSkinKey;
    if (CSkinPluginLoader::load(toolkitName, sharedDir)) {
        m_loadedSkinPlugins << toolkitName;
        LOG_INFO("success to load QorvaGUIToolKitBlackRedSkin.");
    } else {
        LOG_INFO("fail to load QorvaGUIToolKitBlackRedSkin.");
    }

    const QString clientCommonName = QStringLiteral("ClientCommon") + m_strSkinKey;
    if (CSkinPluginLoader::load(clientCommonName, sharedDir)) {
        m_loadedSkinPlugins << clientCommonName;
        LOG_INFO("success to load ClientCommSkin.");
    } else {
        LOG_INFO("Failed to load ClientCommSkin.");
    }

    const QString componentName = QStringLiteral("VisitorManagement.C.") + m_strSkinKey;
    if (CSkinPluginLoader::load(componentName, ownDir)) {
        m_loadedSkinPlugins << componentName;
        LOG_INFO("success to load VisitorManagement.CSkin.");
    } else {
        LOG_INFO("Failed to load VisitorManagement.CSkin.");
    }
}

bool CQorvaApplication::loadStyle()
{
    QStyle *style = QStyleFactory::create(QStringLiteral("CQorvaStyle"));
    if (!style)
        qDebug() << "[scc][CQorvaApplication::LoadStyle]The CQorvaStyle does not exist.";
    // A null style keeps the current one.
    setStyle(style);

    QStringList files = QDir(QLatin1String(kQssDir)).entryList(QDir::Files, QDir::Unsorted);
    files.removeAll(QStringLiteral("MacSpecial.qss"));
    const QString styleSheet = isRightToLeft() ? QorvaGUIToolkit::CFile::ReadAllHb(files, QLatin1String(kQssDir))
                                               : QorvaGUIToolkit::CFile::ReadAll(files, QLatin1String(kQssDir));
    setStyleSheet(styleSheet);
    return style != nullptr && !styleSheet.isEmpty();
}

bool CQorvaApplication::initLogical()
{
    // Every step runs even when an earlier one failed: the framework still gets its
    // answers (errors included) and the window, and the failure is in the log.
    // Failed backend calls show words from the first page on.
    registerErrorTexts();
    // Scenarios drive the window through a test-only method, refused unless asked for.
    CUiDriver::install(CUiDriver::enabledByEnvironment());
    if (initBase())
        LOG_INFO("initBase Success.");
    else
        LOG_ERROR("initBase Failed.");
    initAppRscManager();
    // The pages read the operator's rights as soon as they are built.
    const bool linked = initLpcLink();
    const bool routed = initCmdManager();
    if (linked && routed) {
        CLpcCmd::refreshPermissions();
        CAppRscManager::Instance().loadSharedManagers();
    }
    initComponentDB();
    sendInitFinish();
    return true;
}

bool CQorvaApplication::initBase()
{
    bool ok = true;
    auto &netPool = comm_method::CThreadPoolForNetTask::instance();
    // 1: already running, which is fine for a second init.
    if (netPool.init(8, 0, 0) < 0)
        ok = false;
    // A worker may be waiting for the GUI thread in a window request: keep answering
    // it while the pool stops.
    CCleanUpList::Instance().add("comm_method::CThreadPoolForNetTask", [&netPool] {
        CAppRscManager::Instance().runServingWindowRequests([&netPool] { netPool.stop(); });
    });

    auto &innerPool = comm_method::CThreadPoolForInnerTask::instance();
    innerPool.init(8);
    CCleanUpList::Instance().add("comm_method::CThreadPoolForInnerTask", [&innerPool] { innerPool.stop(); });

    auto &loop = Base::CMessageLoopWorkThread::Instance();
    if (!loop.Start())
        ok = false;
    CCleanUpList::Instance().add("Base::CMessageLoopWorkThread", [&loop] { loop.Stop(); });
    return ok;
}

void CQorvaApplication::initAppRscManager()
{
    auto &manager = CAppRscManager::Instance();
    manager.init();
    CCleanUpList::Instance().add("visitorclient::CAppRscManager", [&manager] { manager.unInit(); });
    LOG_INFO("AppManager init Success.");
}

bool CQorvaApplication::initLpcLink()
{
    auto &lpc = CLpcInterface::Instance();
    const bool ok = lpc.lpcInit();
    // Entered also on failure: un-initialising undoes whatever part did start.
    CCleanUpList::Instance().add("visitorclient::CLpcInterface", [&lpc] { lpc.lpcUnInit(); });
    if (!ok) {
        LOG_ERROR("lpcInit Failed.");
        return false;
    }
    LOG_INFO("lpcInit Success.");
    return true;
}

bool CQorvaApplication::initCmdManager()
{
    auto &cmdManager = CCmdManager::Instance();
    const bool ok = cmdManager.init();
    CCleanUpList::Instance().add("visitorclient::CCmdManager", [&cmdManager] {
        cmdManager.unInit();
        // The notify center's delivery thread ends with the routing it was fed by.
        clientcommonlogical::CNotifyCenterManager::Instance().stop();
    });
    if (!ok) {
        LOG_ERROR("CCmdManager init Failed.");
        return false;
    }
    LOG_INFO("CCmdManager init Success.");
    return true;
}

bool CQorvaApplication::initComponentDB()
{
    registerComponentSchema();
    // A failure leaves the component without its template database; the rest runs on.
    if (!comm_method::initComponentDBLogical({comm_method::kComponentDBName})) {
        LOG_ERROR("initComponentDBLogical init Failed.");
        return false;
    }
    LOG_INFO("initComponentDBLogical init Success.");
    return true;
}

bool CQorvaApplication::sendInitFinish()
{
    protocol::LPCRequestData request;
    request.method = protocol::wire::kMethodInitFinish;
    lpcclient::tag_LPCNotifyData notify;
    notify.address = "0";
    notify.body = request.toString();
    if (!CLpcInterface::Instance().lpcNotify(notify)) {
        LOG_ERROR("Failed to notify initFinish.");
        return false;
    }
    return true;
}

void CQorvaApplication::loadTranslator()
{
    m_translators = UiDataController::loadTranslations(
        m_iLanguage, QorvaGUIToolkit::GetTargetPath() + QStringLiteral("../translations/"));
}

void CQorvaApplication::initLocal()
{
    QorvaGUIToolkit::InitGuiLocale(UiDataController::getLocale(m_iLanguage));
    if (isRightToLeft())
        QorvaGUIToolkit::initGuiLayoutDirection(false);
    QorvaGUIToolkit::initSkinType(
        QString::fromStdString(clientcommonlogical::CConfigMgr::Instance().getSkinType()));
}

void CQorvaApplication::unInit()
{
    unInitLogical();
}

void CQorvaApplication::unInitLogical()
{
    CCleanUpList::Instance().runAll();
    LOG_INFO("unInitLogical success");
}

void CQorvaApplication::onQuit()
{
    unInit();
    QCoreApplication::quit();
}

} // namespace visitorclient
