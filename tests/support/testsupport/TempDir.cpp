#include "testsupport/TempDir.h"

#include <QDir>

#include <cstdio>
#include <cstdlib>

namespace testsupport {

std::unique_ptr<QTemporaryDir> makeTempDir(const QString &prefix)
{
    auto dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/%1-XXXXXX").arg(prefix));
    if (!dir->isValid()) {
        std::fprintf(stderr, "cannot create a temporary directory: %s\n",
                     qPrintable(dir->errorString()));
        std::abort();
    }
    return dir;
}

std::string pathIn(const QTemporaryDir &dir, const QString &name)
{
    return QDir(dir.path()).filePath(name).toStdString();
}

} // namespace testsupport
