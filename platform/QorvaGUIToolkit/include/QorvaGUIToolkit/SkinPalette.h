#pragma once
// Colours of the skins, for the few things the toolkit paints itself (the required
// point, notices, the shade). Everything else is coloured by the skin style sheets,
// which use the same values.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QColor>
#include <QString>

namespace QorvaGUIToolkit {

struct QORVAGUITOOLKIT_EXPORT SkinPalette
{
    QColor window;
    QColor panel;
    QColor raised;
    QColor border;
    QColor text;
    QColor secondaryText;
    QColor accent;
    QColor accentHover;
    QColor selection;
    QColor success;
    QColor warning;
    QColor error;

    /// Palette of a skin directory ("dark", "neutral", "bright", "blue"); dark for
    /// anything else.
    static SkinPalette forDirectory(const QString &skinDir);
    /// Palette of the skin set with initSkinType (dark before).
    static SkinPalette current();
};

} // namespace QorvaGUIToolkit
