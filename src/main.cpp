#include <UI/AppRscManager/StandaloneShell.h>
#include <UI/Application/CQorvaApplication.h>
#include <UI/Application/CrashDump.h>
#include <UI/Application/StartParameters.h>

#include <UiDataController/HighDPIMgr.h>

#include <CrashAPI/CrashAPI.h>
#include <clientcommonlogical/ConfigMgr.h>
#include <comm_methodlib/UserDataPath.h>

#include <Base/Encoding.h>
#include <Base/FileUtil.h>
#include <Base/HeapUtil.h>
#include <Base/Log.h>

#include <QDir>

#include <clocale>
#include <cstring>
#include <future>
#include <langinfo.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The logger and Qt need a UTF-8 locale to keep non-ASCII text.
void ensureUtf8Locale()
{
    const char *locale = std::setlocale(LC_ALL, "");
    if (!locale || std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0) {
        setenv("LC_ALL", "C.UTF-8", 1);
        std::setlocale(LC_ALL, "C.UTF-8");
    }
}

bool hasArgument(int argc, char **argv, const char *argument)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], argument) == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool heapKept = Base::HeapUtil::KeepFreedMemory();
    ensureUtf8Locale();

    const std::string exeDir = Base::FileUtil::GetCurExeDir();
    comm_methodlib::CUserDataPath::Instance().init(exeDir + "../", "VisitorManagement.C", -1, -1);
    Base::FileUtil::InitCurExeDirUtf8(Base::LocalToUTF8(exeDir));
    Base::details::CLog::instance().InitLog(comm_methodlib::CUserDataPath::Instance().logPropertiesPath());
    LOG_INFO("===== VisitorManagement.C main start =====");
    if (!heapKept)
        LOG_INFO("Heap thresholds left to the allocator.");

    std::future<void> crashSetup = std::async(std::launch::async, visitorclient::crashAPIInit);

    // Without a framework, "--standalone" starts with the framework's default start
    // parameters unless a fourth argument gives others.
    const bool standalone = hasArgument(argc, argv, "--standalone");
    std::vector<char *> args(argv, argv + argc);
    static char defaultParams[] = "BlackRedSkin 0 0 0 0 0";
    static char emptyArg[] = "";
    if (standalone && argc < 4) {
        while (args.size() < 3)
            args.push_back(emptyArg);
        args.push_back(defaultParams);
    }
    args.push_back(nullptr);
    int appArgc = static_cast<int>(args.size()) - 1;
    char **appArgv = args.data();

    UiDataController::CHighDPIMgr::Instance().doHighDPI(appArgc, appArgv);

    int exitCode = 0;
    {
        visitorclient::CQorvaApplication app(QStringLiteral("Qorva-7310 V3.0 VisitorManagement Application"), appArgc,
                                             appArgv);
        app.addLibraryPath(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + QDir::separator()
                           + QStringLiteral("../plugins"));
        std::unique_ptr<visitorclient::CStandaloneShell> shell;
        if (!app.init()) {
            LOG_ERROR("Failed to app.init.");
        } else {
            if (visitorclient::StartParameters::isRightToLeft(clientcommonlogical::CConfigMgr::Instance().getLanguage()))
                app.setLayoutDirection(Qt::RightToLeft);
            if (standalone) {
                shell = std::make_unique<visitorclient::CStandaloneShell>();
                shell->init();
                shell->showMainWindow();
            }
            exitCode = app.exec();
        }
        // Windows go while the application still exists.
        shell.reset();

        crashSetup.wait();
        Base::details::CLog::instance().UninitLog();
        CrashAPI_Uninit();
        app.unInit();
        QCoreApplication::exit(0);
    }
    return exitCode != 0 ? 1 : 0;
}
