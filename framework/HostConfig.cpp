#include "HostConfig.h"

namespace clientframework {

QString HostConfig::startParameters() const
{
    return QStringLiteral("%1 %2 %3 0 0 0").arg(skin).arg(language).arg(skinVariant);
}

} // namespace clientframework
