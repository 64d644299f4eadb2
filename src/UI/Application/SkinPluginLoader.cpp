#include "SkinPluginLoader.h"

#include <clientcommonlogical/ISkinPlugin.h>

#include <Base/Log.h>

#include <QDir>
#include <QPluginLoader>

namespace visitorclient {

QObject *CSkinPluginLoader::load(const QString &name, const QString &directory)
{
    if (name.isNull())
        return nullptr;
    const QDir dir(directory);
    if (!dir.exists()) {
        LOG_WARN("Skin plug-in directory [%s] does not exist.", qUtf8Printable(directory));
        return nullptr;
    }
    const QStringList files = dir.entryList(QDir::Files, QDir::Unsorted);
    for (const QString &file : files) {
        QPluginLoader loader(QDir::cleanPath(directory + QLatin1Char('/') + file));
        const bool wasLoaded = loader.isLoaded();
        QObject *instance = loader.instance();
        if (!instance)
            continue;
        auto *plugin = qobject_cast<clientcommonlogical::ISkinPlugin *>(instance);
        if (plugin && plugin->skinNames().contains(name, Qt::CaseSensitive))
            return instance;
        if (!wasLoaded)
            loader.unload();
    }
    return nullptr;
}

} // namespace visitorclient
