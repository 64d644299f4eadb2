#pragma once
// The framework's start parameters (fourth command-line argument) and the rules derived
// from them: skin directory and text direction.

#include <clientcommonlogical/ConfigParams.h>

#include <QString>

namespace visitorclient {

struct StartParameters
{
    QString strSkinKey;   ///< token 0; empty when fewer than 4 tokens
    int iLanguage = 0;    ///< token 1
    int iSkinVariant = 0; ///< token 2
    /// Set when the framework sent the full set (at least 6 tokens): what the
    /// client-common configuration is initialised with.
    bool bHasConfig = false;
    clientcommonlogical::ConfigParams config;

    /// Splits argv[3] at blanks (empty tokens skipped). Fewer than 4 tokens leave every
    /// field unset; malformed numbers read as 0.
    static StartParameters parse(int argc, char **argv);

    /// Skin directory of a skin key: "bright", "blue", "neutral" for their keys; any
    /// other key "dark", or "neutral" with skin variant 1.
    static QString skinDirectory(const QString &skinKey, int skinVariant);

    /// Arabic (13) and Hebrew (34) are written right to left.
    static bool isRightToLeft(int language);
};

} // namespace visitorclient
