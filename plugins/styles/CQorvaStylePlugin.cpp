#include "CQorvaStylePlugin.h"

#include "CQorvaStyle.h"

QStyle *CQorvaStylePlugin::create(const QString &key)
{
    if (key.compare(QLatin1String("CQorvaStyle"), Qt::CaseInsensitive) == 0)
        return new CQorvaStyle;
    return nullptr;
}
