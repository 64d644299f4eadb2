#pragma once
// Finds the skin plug-in that serves a skin name in a directory.

#include <QString>

class QObject;

namespace visitorclient {

class CSkinPluginLoader
{
public:
    /// Tries every plain file of the directory (in listing order) as a Qt plug-in with
    /// the ISkinPlugin interface; returns the instance of the first whose skin names
    /// contain `name` (case-sensitive). It stays loaded; plug-ins loaded here that do
    /// not match are unloaded again. Null for an empty name, a missing directory or no
    /// match.
    static QObject *load(const QString &name, const QString &directory);
};

} // namespace visitorclient
