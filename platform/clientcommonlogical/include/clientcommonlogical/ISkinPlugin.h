#pragma once
// Interface of the skin plug-ins: each plug-in carries the resources of one skin
// family and names the skins it serves.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <QString>
#include <QStringList>
#include <QtPlugin>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT ISkinPlugin
{
public:
    /// Name of the plug-in itself (the file's base name).
    virtual QString pluginName() const = 0;
    /// Names of the skins this plug-in provides, e.g. "QorvaGUIToolKitBlackRedSkin".
    virtual QStringList skinNames() const = 0;
    virtual ~ISkinPlugin(); // out of line: Interfaces.cpp
};

} // namespace clientcommonlogical

#define ISkinPlugin_iid "com.ISkinPlugin/1.1"
Q_DECLARE_INTERFACE(clientcommonlogical::ISkinPlugin, ISkinPlugin_iid)
