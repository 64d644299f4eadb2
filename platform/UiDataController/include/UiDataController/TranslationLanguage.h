#pragma once
// Languages of the framework's configuration (the number passed on the command line
// and stored in the client configuration). Arabic (13) and Hebrew (34) are written
// right to left; every other language left to right.

#include <UiDataController/UiDataControllerExport.h>

namespace qorva7310 {

struct UIDATACONTROLLER_EXPORT TranslationLanguage
{
    enum LanguageType {
        English = 0,
        ChineseSimplified = 1,
        ChineseTraditional = 2,
        Japanese = 3,
        Korean = 4,
        French = 5,
        German = 6,
        Spanish = 7,
        Italian = 8,
        Portuguese = 9,
        Russian = 10,
        Turkish = 11,
        Polish = 12,
        Arabic = 13, ///< right to left
        Czech = 14,
        Dutch = 15,
        Thai = 16,
        Vietnamese = 17,
        Indonesian = 18,
        Hungarian = 19,
        Greek = 20,
        Romanian = 21,
        Bulgarian = 22,
        Slovak = 23,
        Ukrainian = 24,
        Swedish = 25,
        Danish = 26,
        Finnish = 27,
        Norwegian = 28,
        Croatian = 29,
        Serbian = 30,
        Slovenian = 31,
        Lithuanian = 32,
        Estonian = 33,
        Hebrew = 34, ///< right to left
        Latvian = 35,
        Malay = 36,
        BrazilianPortuguese = 37,
        LatinAmericanSpanish = 38,
        LanguageCount
    };

    /// True for the right-to-left languages (Arabic, Hebrew).
    static constexpr bool isRightToLeft(int language)
    {
        return language == Arabic || language == Hebrew;
    }
};

} // namespace qorva7310
