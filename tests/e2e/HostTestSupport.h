#pragma once
// Temporary data root and LPC directory for one host under test.

#include "ComponentHost.h"

#include <testsupport/TempDir.h>

#include <QFile>

#include <memory>

namespace hosttest {

// The socket path must fit sun_path: the LPC directory is short and under /tmp.
struct HostSandbox
{
    const std::unique_ptr<QTemporaryDir> lpcDir = testsupport::makeTempDir(QStringLiteral("h12l"));
    const std::unique_ptr<QTemporaryDir> dataDir = testsupport::makeTempDir(QStringLiteral("h12d"));

    HostSandbox() { qputenv("QORVA_LPC_DIR", lpcDir->path().toUtf8()); }

    clientframework::HostConfig config(const QString &program) const
    {
        clientframework::HostConfig c;
        c.dataRoot = dataRoot();
        c.componentProgram = program;
        return c;
    }

    QString dataRoot() const { return dataDir->path() + QStringLiteral("/root"); }
};

inline QString readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace hosttest
