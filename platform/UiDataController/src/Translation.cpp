#include <UiDataController/Translation.h>

#include <UiDataController/TranslationLanguage.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QDir>
#include <QTranslator>

namespace UiDataController {

namespace {

using Lang = qorva7310::TranslationLanguage;

struct LanguageInfo
{
    int language;
    QLocale::Language qtLanguage;
    QLocale::Country country;
    const char *fileLocale;
};

const LanguageInfo kLanguages[] = {
    {Lang::English, QLocale::English, QLocale::UnitedStates, "en"},
    {Lang::ChineseSimplified, QLocale::Chinese, QLocale::China, "zh_CN"},
    {Lang::ChineseTraditional, QLocale::Chinese, QLocale::Taiwan, "zh_TW"},
    {Lang::Japanese, QLocale::Japanese, QLocale::Japan, "ja"},
    {Lang::Korean, QLocale::Korean, QLocale::SouthKorea, "ko"},
    {Lang::French, QLocale::French, QLocale::France, "fr"},
    {Lang::German, QLocale::German, QLocale::Germany, "de"},
    {Lang::Spanish, QLocale::Spanish, QLocale::Spain, "es"},
    {Lang::Italian, QLocale::Italian, QLocale::Italy, "it"},
    {Lang::Portuguese, QLocale::Portuguese, QLocale::Portugal, "pt"},
    {Lang::Russian, QLocale::Russian, QLocale::Russia, "ru"},
    {Lang::Turkish, QLocale::Turkish, QLocale::Turkey, "tr"},
    {Lang::Polish, QLocale::Polish, QLocale::Poland, "pl"},
    {Lang::Arabic, QLocale::Arabic, QLocale::SaudiArabia, "ar"},
    {Lang::Czech, QLocale::Czech, QLocale::CzechRepublic, "cs"},
    {Lang::Dutch, QLocale::Dutch, QLocale::Netherlands, "nl"},
    {Lang::Thai, QLocale::Thai, QLocale::Thailand, "th"},
    {Lang::Vietnamese, QLocale::Vietnamese, QLocale::Vietnam, "vi"},
    {Lang::Indonesian, QLocale::Indonesian, QLocale::Indonesia, "id"},
    {Lang::Hungarian, QLocale::Hungarian, QLocale::Hungary, "hu"},
    {Lang::Greek, QLocale::Greek, QLocale::Greece, "el"},
    {Lang::Romanian, QLocale::Romanian, QLocale::Romania, "ro"},
    {Lang::Bulgarian, QLocale::Bulgarian, QLocale::Bulgaria, "bg"},
    {Lang::Slovak, QLocale::Slovak, QLocale::Slovakia, "sk"},
    {Lang::Ukrainian, QLocale::Ukrainian, QLocale::Ukraine, "uk"},
    {Lang::Swedish, QLocale::Swedish, QLocale::Sweden, "sv"},
    {Lang::Danish, QLocale::Danish, QLocale::Denmark, "da"},
    {Lang::Finnish, QLocale::Finnish, QLocale::Finland, "fi"},
    {Lang::Norwegian, QLocale::NorwegianBokmal, QLocale::Norway, "nb"},
    {Lang::Croatian, QLocale::Croatian, QLocale::Croatia, "hr"},
    {Lang::Serbian, QLocale::Serbian, QLocale::Serbia, "sr"},
    {Lang::Slovenian, QLocale::Slovenian, QLocale::Slovenia, "sl"},
    {Lang::Lithuanian, QLocale::Lithuanian, QLocale::Lithuania, "lt"},
    {Lang::Estonian, QLocale::Estonian, QLocale::Estonia, "et"},
    {Lang::Hebrew, QLocale::Hebrew, QLocale::Israel, "he"},
    {Lang::Latvian, QLocale::Latvian, QLocale::Latvia, "lv"},
    {Lang::Malay, QLocale::Malay, QLocale::Malaysia, "ms"},
    {Lang::BrazilianPortuguese, QLocale::Portuguese, QLocale::Brazil, "pt_BR"},
    {Lang::LatinAmericanSpanish, QLocale::Spanish, QLocale::Mexico, "es_MX"},
};

const LanguageInfo &infoOf(int language)
{
    for (const LanguageInfo &info : kLanguages)
        if (info.language == language)
            return info;
    return kLanguages[0];
}

QStringList filesFor(const QDir &dir, const QString &localeName)
{
    const QString suffix = QLatin1Char('_') + localeName + QLatin1String(".qm");
    QStringList result;
    for (const QString &name : dir.entryList({QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        // "<domain>_en.qm" must not also pick "<domain>_zh_CN.qm" for "CN".
        if (name.endsWith(suffix) && name.size() > suffix.size())
            result << name;
    }
    return result;
}

} // namespace

QLocale getLocale(int language)
{
    const LanguageInfo &info = infoOf(language);
    return QLocale(info.qtLanguage, info.country);
}

QString translationLocaleName(int language)
{
    return QString::fromLatin1(infoOf(language).fileLocale);
}

QList<QTranslator *> loadTranslations(int language, const QString &directory)
{
    QList<QTranslator *> translators;
    QDir dir(directory);
    if (directory.isEmpty() || !dir.exists()) {
        LOG_WARN("Translation directory [%s] does not exist.", directory.toUtf8().constData());
        return translators;
    }
    QString localeName = translationLocaleName(language);
    QStringList files = filesFor(dir, localeName);
    if (files.isEmpty() && localeName != QLatin1String("en")) {
        LOG_INFO("No translations for [%s]; using English.", localeName.toUtf8().constData());
        localeName = QStringLiteral("en");
        files = filesFor(dir, localeName);
    }
    for (const QString &name : files) {
        auto *translator = new QTranslator(QCoreApplication::instance());
        if (!translator->load(dir.filePath(name))) {
            LOG_WARN("Failed to load translation [%s].", name.toUtf8().constData());
            delete translator;
            continue;
        }
        if (QCoreApplication::instance())
            QCoreApplication::installTranslator(translator);
        translators << translator;
    }
    LOG_INFO("Loaded [%d] translation files for [%s].", int(translators.size()),
             localeName.toUtf8().constData());
    return translators;
}

} // namespace UiDataController
