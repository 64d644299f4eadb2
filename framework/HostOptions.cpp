#include "HostOptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace clientframework {

QString HostOptions::defaultDataRoot()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/qorva-7310");
}

bool HostOptions::parse(const QStringList &arguments, QString *message)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Hosts VisitorManagement.C with an embedded management server."));
    parser.addHelpOption();
    const QCommandLineOption dataRoot(QStringLiteral("data-root"), QStringLiteral("Data root folder."),
                                      QStringLiteral("DIR"), defaultDataRoot());
    const QCommandLineOption serverDb(QStringLiteral("server-db"),
                                      QStringLiteral("Server database file (default <data-root>/Server/server.db)."),
                                      QStringLiteral("PATH"));
    const QCommandLineOption component(QStringLiteral("component"),
                                       QStringLiteral("Component program (default: beside ClientFramework)."),
                                       QStringLiteral("PATH"));
    const QCommandLineOption skin(QStringLiteral("skin"), QStringLiteral("Skin key."), QStringLiteral("KEY"),
                                  QStringLiteral("BlackRedSkin"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      QStringLiteral("Language number (0 English, 1 Chinese)."),
                                      QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption variant(QStringLiteral("skin-variant"), QStringLiteral("1 neutral skins, else dark."),
                                     QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption headless(QStringLiteral("headless"), QStringLiteral("No shell window."));
    const QCommandLineOption script(QStringLiteral("script"), QStringLiteral("Run a step script, then exit."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption initTimeout(QStringLiteral("init-timeout"),
                                         QStringLiteral("Seconds the component has to report initFinish."),
                                         QStringLiteral("S"), QStringLiteral("60"));
    const QCommandLineOption noComponent(QStringLiteral("no-component"),
                                         QStringLiteral("Do not start the component at once."));
    const QCommandLineOption uiDriver(
        QStringLiteral("ui-driver"),
        QStringLiteral("Let scripts drive the component's window (QORVA_UI_DRIVER=1; on when the "
                       "script has ui steps)."));
    parser.addOptions({dataRoot, serverDb, component, skin, language, variant, headless, script,
                       initTimeout, noComponent, uiDriver});
    if (!parser.parse(arguments)) {
        *message = parser.errorText();
        return false;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        *message = parser.helpText();
        return false;
    }
    config.dataRoot = QDir(parser.value(dataRoot)).absolutePath();
    config.serverDb = parser.value(serverDb);
    config.componentProgram = parser.isSet(component)
                                  ? parser.value(component)
                                  : QCoreApplication::applicationDirPath() + QStringLiteral("/VisitorManagement.C");
    config.skin = parser.value(skin);
    config.language = parser.value(language).toInt();
    config.skinVariant = parser.value(variant).toInt();
    config.initTimeoutMs = qMax(1, parser.value(initTimeout).toInt()) * 1000;
    this->headless = parser.isSet(headless);
    this->script = parser.value(script);
    startComponent = !parser.isSet(noComponent);
    if (parser.isSet(uiDriver))
        config.extraEnvironment.insert(QStringLiteral("QORVA_UI_DRIVER"), QStringLiteral("1"));
    return true;
}

} // namespace clientframework
