#pragma once
// Temporary data root and LPC directory for one host under test.

#include "ComponentHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>

namespace hosttest {

// The socket path must fit sun_path: the LPC directory is short and under /tmp.
struct HostSandbox
{
    QTemporaryDir lpcDir{QStringLiteral("/tmp/h12l-XXXXXX")};
    QTemporaryDir dataDir{QStringLiteral("/tmp/h12d-XXXXXX")};

    HostSandbox() { qputenv("QORVA_LPC_DIR", lpcDir.path().toUtf8()); }

    clientframework::HostConfig config(const QString &program) const
    {
        clientframework::HostConfig c;
        c.dataRoot = dataDir.path() + QStringLiteral("/root");
        c.componentProgram = program;
        return c;
    }

    QString dataRoot() const { return dataDir.path() + QStringLiteral("/root"); }
};

inline QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace hosttest
