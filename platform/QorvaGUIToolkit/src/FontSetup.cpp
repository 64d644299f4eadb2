// Maps the product's requested face "Microsoft YaHei" to an installed CJK-capable face
// before the first font is resolved, so Chinese never renders as boxes.

#include <Base/Log.h>

#include <QCoreApplication>
#include <QFile>
#include <QFont>

#ifdef QORVA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace {

void registerFontAliases()
{
#ifdef QORVA_HAVE_FONTCONFIG
    QFile conf(QStringLiteral(":/QorvaGUIToolkit/Fonts/fonts/qorva-fonts.conf"));
    if (conf.open(QIODevice::ReadOnly)) {
        const QByteArray xml = conf.readAll();
        if (FcInit()) {
            FcConfig *config = FcConfigGetCurrent();
            if (!FcConfigParseAndLoadFromMemory(
                    config, reinterpret_cast<const FcChar8 *>(xml.constData()), FcTrue))
                LOG_WARN("Failed to load the font aliases.");
        }
    }
#endif
    // Qt's own substitution table covers platforms without fontconfig (offscreen tests
    // use it too).
    const QStringList faces{QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("Microsoft YaHei"), faces);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(registerFontAliases)
