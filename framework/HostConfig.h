#pragma once
// Settings of one host run, from the command line or a test.

#include "LpcNames.h"

#include <QProcessEnvironment>
#include <QString>

#include <cstddef>

namespace clientframework {

struct HostConfig
{
    /// Data root (DESetup.xml, server database, the component's data); made absolute.
    QString dataRoot;
    /// The component's program file.
    QString componentProgram;
    /// Server database file; empty: <dataRoot>/Server/server.db.
    QString serverDb;
    QString skin = QStringLiteral("BlackRedSkin");
    int language = 0;
    int skinVariant = 0;
    QString lpcServerName = QString::fromLatin1(kLpcServerName);
    QString componentIdentity = QString::fromLatin1(kComponentIdentity);
    /// Time the component gets from start to "initFinish".
    int initTimeoutMs = 60000;
    /// Time the component gets to exit after "componentUninit"/"clientDisconnected".
    int stopTimeoutMs = 10000;
    /// Time a call to the component may take.
    int callTimeoutMs = 30000;
    /// Requests waiting beyond this many are answered "busy" (1015).
    std::size_t maxPendingRequests = 256;
    std::size_t workerThreads = 4;
    /// Ask for and show the main window after "initFinish".
    bool openMainWindow = true;
    /// Added to the component's environment (tests use it for fakes).
    QProcessEnvironment extraEnvironment;

    /// The fourth argument of the component: "<skin> <language> <variant> 0 0 0".
    QString startParameters() const;
};

} // namespace clientframework
