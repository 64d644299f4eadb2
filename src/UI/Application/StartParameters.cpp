#include "StartParameters.h"

#include <Base/Log.h>

#include <QStringList>

namespace visitorclient {

StartParameters StartParameters::parse(int argc, char **argv)
{
    StartParameters params;
    if (argc < 4 || !argv || !argv[3]) {
        LOG_WARN("No start parameters: argument count [%d].", argc);
        return params;
    }
    const QStringList tokens = QString::fromLocal8Bit(argv[3]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() < 4) {
        LOG_WARN("Malformed start parameters [%s].", argv[3]);
        return params;
    }
    params.strSkinKey = tokens.at(0);
    params.iLanguage = tokens.at(1).toInt();
    params.iSkinVariant = tokens.at(2).toInt();
    if (tokens.size() >= 6) {
        params.bHasConfig = true;
        params.config.iLanguage = params.iLanguage;
        params.config.iSkinVariant = params.iSkinVariant;
        params.config.iReserved = tokens.at(3).toInt();
        params.config.strSkinType = params.strSkinKey.toStdString();
    }
    return params;
}

QString StartParameters::skinDirectory(const QString &skinKey, int skinVariant)
{
    QString dir = skinVariant == 1 ? QStringLiteral("neutral") : QStringLiteral("dark");
    if (skinKey == QLatin1String("GreyRedSkin"))
        dir = QStringLiteral("bright");
    if (skinKey == QLatin1String("BlueSkin"))
        dir = QStringLiteral("blue");
    if (skinKey == QLatin1String("NeutralSkin"))
        dir = QStringLiteral("neutral");
    return dir;
}

bool StartParameters::isRightToLeft(int language)
{
    return language == 34 || language == 13;
}

} // namespace visitorclient
