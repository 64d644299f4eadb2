#pragma once
// Locale and translation files of the configured language. GUI thread.

#include <UiDataController/UiDataControllerExport.h>

#include <QList>
#include <QLocale>
#include <QString>

class QTranslator;

namespace UiDataController {

/// The locale of a qorva7310::TranslationLanguage::LanguageType value; English (United
/// States) for unknown values.
UIDATACONTROLLER_EXPORT QLocale getLocale(int language);

/// Name of the translation files of a language: "en", "zh_CN", "zh_TW", "fr", ...
UIDATACONTROLLER_EXPORT QString translationLocaleName(int language);

/// Loads every "<domain>_<locale>.qm" file of the language from the directory, installs
/// the translators in the application (when one exists) and returns them; they are
/// children of the application object, or owned by the caller when there is none.
/// A language without files falls back to the English files; a missing directory
/// gives an empty list (logged).
UIDATACONTROLLER_EXPORT QList<QTranslator *> loadTranslations(int language,
                                                              const QString &directory);

} // namespace UiDataController
