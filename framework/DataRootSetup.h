#pragma once
// Prepares the host's data root: the framework folder with DESetup.xml (written on the
// first start) and the server database file. A file that cannot be read is renamed to
// "<name>.corrupt-<yyyyMMdd-HHmmss>" and a fresh one takes its place; nothing is
// overwritten in place.

#include <QString>
#include <QStringList>

namespace clientframework {

class DataRootSetup
{
public:
    explicit DataRootSetup(const QString &dataRoot);

    QString dataRoot() const { return m_root; }
    QString frameworkPath() const;
    QString deSetupPath() const;
    QString defaultServerDbPath() const;
    /// Where the component writes its crash dumps.
    QString componentDumpPath() const;

    /// Creates the folders and makes sure DESetup.xml exists and decrypts. False with
    /// error() when the root or the file cannot be written.
    bool prepareDESetup();
    /// Moves a file aside (see above); returns the new path, empty on failure. Companion
    /// files (path + suffix, such as a database's "-wal") that exist move along with it.
    static QString keepAside(const QString &path, const QStringList &companionSuffixes = {});

    QString error() const { return m_error; }
    /// Messages an operator should read (files kept aside, first start).
    QStringList notices() const { return m_notices; }
    bool createdDESetup() const { return m_created; }

private:
    QString m_root;
    QString m_error;
    QStringList m_notices;
    bool m_created = false;
};

} // namespace clientframework
