#include "DataRootSetup.h"

#include "LpcNames.h"

#include <comm_methodlib/DESetupFile.h>

#include <Base/Log.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace clientframework {

DataRootSetup::DataRootSetup(const QString &dataRoot) : m_root(QDir::cleanPath(QDir(dataRoot).absolutePath()))
{
}

QString DataRootSetup::frameworkPath() const
{
    return m_root + QLatin1Char('/') + QLatin1String(kFrameworkFolder) + QLatin1Char('/');
}

QString DataRootSetup::deSetupPath() const
{
    return frameworkPath() + QLatin1String(comm_methodlib::DESetup::kFileName);
}

QString DataRootSetup::defaultServerDbPath() const
{
    return m_root + QStringLiteral("/Server/server.db");
}

QString DataRootSetup::componentDumpPath() const
{
    return m_root + QLatin1Char('/') + QLatin1String(kComponentName) + QStringLiteral("/dumps/");
}

QString DataRootSetup::keepAside(const QString &path, const QStringList &companionSuffixes)
{
    const QString target =
        path + QStringLiteral(".corrupt-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString candidate = target;
    for (int n = 1; QFileInfo::exists(candidate); ++n)
        candidate = target + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, candidate)) {
        LOG_ERROR("Could not move [%s] aside.", qUtf8Printable(path));
        return QString();
    }
    LOG_WARN("Kept unreadable file [%s] as [%s].", qUtf8Printable(path), qUtf8Printable(candidate));
    for (const QString &suffix : companionSuffixes) {
        if (QFileInfo::exists(path + suffix) && !QFile::rename(path + suffix, candidate + suffix)) {
            // Never leave it next to the new file it does not belong to.
            LOG_ERROR("Could not move [%s] aside; removing it.", qUtf8Printable(path + suffix));
            QFile::remove(path + suffix);
        }
    }
    return candidate;
}

bool DataRootSetup::prepareDESetup()
{
    if (!QDir().mkpath(frameworkPath())) {
        m_error = QStringLiteral("Cannot create the data folder %1.").arg(frameworkPath());
        LOG_ERROR("%s", qUtf8Printable(m_error));
        return false;
    }
    const std::string path = deSetupPath().toStdString();
    if (QFileInfo::exists(deSetupPath())) {
        std::string xml;
        comm_methodlib::DESetup::Segments segments;
        if (comm_methodlib::DESetup::ReadFile(path, xml) && comm_methodlib::DESetup::ParseSegments(xml, segments))
            return true;
        const QString aside = keepAside(deSetupPath());
        if (aside.isEmpty()) {
            m_error = QStringLiteral("%1 cannot be read and cannot be moved aside.").arg(deSetupPath());
            return false;
        }
        m_notices << QStringLiteral("%1 could not be read; it was kept as %2 and a new one was written. "
                                    "The component's local database keys change with it.")
                         .arg(deSetupPath(), aside);
    }
    if (!comm_methodlib::DESetup::EnsureFile(path, &m_created)) {
        m_error = QStringLiteral("Cannot write %1.").arg(deSetupPath());
        LOG_ERROR("%s", qUtf8Printable(m_error));
        return false;
    }
    if (m_created)
        LOG_INFO("Wrote a new [%s].", path.c_str());
    return true;
}

} // namespace clientframework
