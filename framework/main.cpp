// ClientFramework: starts the visitor component, embeds its window and plays the client
// framework's part for it. --headless --script FILE runs a step script and exits with 0
// when every check passed.

#include "ComponentHost.h"
#include "HostOptions.h"
#include "ScriptRunner.h"
#include "ShellWindow.h"
#include "SignalWatcher.h"

#include <comm_methodlib/UserDataPath.h>

#include <Base/HeapUtil.h>
#include <Base/Log.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <memory>

namespace {

bool isHeadless(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--headless") == 0 || qstrcmp(argv[i], "-headless") == 0)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    // The host runs the server simulator too: its answers are the large blocks.
    Base::HeapUtil::KeepFreedMemory();
    // Headless runs need no display at all.
    std::unique_ptr<QCoreApplication> app(isHeadless(argc, argv) ? new QCoreApplication(argc, argv)
                                                                 : new QApplication(argc, argv));
    QCoreApplication::setApplicationName(QStringLiteral("ClientFramework"));
    // Early, so that a SIGTERM during the start waits for the event loop instead of killing us.
    clientframework::SignalWatcher signalWatcher({SIGTERM, SIGINT});

    clientframework::HostOptions options;
    QString message;
    if (!options.parse(QCoreApplication::arguments(), &message)) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(message));
        return message.startsWith(QLatin1String("Usage")) ? 0 : 2;
    }

    auto &paths = comm_methodlib::CUserDataPath::Instance();
    if (paths.init(options.config.dataRoot.toStdString(), clientframework::kFrameworkFolder))
        Base::details::CLog::instance().InitLog(paths.logPropertiesPath());
    LOG_INFO("ClientFramework starting: data root [%s], component [%s].", qUtf8Printable(options.config.dataRoot),
             qUtf8Printable(options.config.componentProgram));

    clientframework::ComponentHost host(options.config);
    if (!host.startServices()) {
        std::fprintf(stderr, "ClientFramework: %s\n", qUtf8Printable(host.error()));
        if (!options.headless)
            QMessageBox::critical(nullptr, QStringLiteral("Client framework"), host.error());
        return 2;
    }
    for (const QString &notice : host.notices())
        std::fprintf(stderr, "ClientFramework: %s\n", qUtf8Printable(notice));

    // The host ends through shutdown() alone, so that every way out (window closed, script
    // done, SIGTERM/SIGINT) closes the component in order first.
    int exitCode = 0;
    QObject::connect(&host, &clientframework::ComponentHost::shutDown, &host,
                     [&exitCode]() { QCoreApplication::exit(exitCode); });

    std::unique_ptr<clientframework::ScriptRunner> runner;
    bool scriptDone = false;
    if (!options.script.isEmpty()) {
        runner = std::make_unique<clientframework::ScriptRunner>(host);
        if (!runner->loadFile(options.script)) {
            std::fprintf(stderr, "ClientFramework: %s\n", qUtf8Printable(runner->error()));
            return 2;
        }
        QObject::connect(runner.get(), &clientframework::ScriptRunner::stepStarted, &host,
                         [](int, const QString &text) { std::fprintf(stderr, "script: %s\n", qUtf8Printable(text)); });
        QObject::connect(runner.get(), &clientframework::ScriptRunner::finished, &host,
                         [&host, &exitCode, &scriptDone](bool ok, const QString &text) {
                             std::fprintf(stderr, "script: %s\n", qUtf8Printable(text));
                             scriptDone = true;
                             exitCode = ok ? 0 : 1;
                             host.shutdown();
                         });
    }

    std::unique_ptr<clientframework::ShellWindow> shell;
    if (!options.headless) {
        shell = std::make_unique<clientframework::ShellWindow>(host);
        shell->show();
        if (!host.notices().isEmpty())
            QMessageBox::warning(shell.get(), QStringLiteral("Client framework"), host.notices().join(QStringLiteral("\n\n")));
    }

    QObject::connect(&signalWatcher, &clientframework::SignalWatcher::received, &host,
                     [&host, &shell, &runner, &scriptDone, &exitCode](int number) {
                         LOG_INFO("Signal %d received: closing the host.", number);
                         if (runner && !scriptDone) {
                             std::fprintf(stderr, "script: interrupted by signal %d\n", number);
                             scriptDone = true;
                             exitCode = 1;
                         }
                         // The same way out as closing the window.
                         if (shell)
                             shell->close();
                         else
                             host.shutdown();
                     });

    if (runner)
        runner->run();
    if (options.startComponent)
        QTimer::singleShot(0, &host, [&host]() { host.startComponent(); });

    app->exec();
    if (shell)
        shell->releaseEmbeddedWindow();
    LOG_INFO("ClientFramework exits with %d.", exitCode);
    return exitCode;
}
