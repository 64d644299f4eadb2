#pragma once
// Process-wide GUI settings of the toolkit: program directory, locale, layout
// direction, skin type, and two helpers for window geometry. GUI thread only unless
// stated otherwise.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QLocale>
#include <QString>

class QWidget;

namespace QorvaGUIToolkit {

/// Directory of the running executable with a trailing '/'. Any thread. Falls back to
/// the current directory when no application object exists yet.
QORVAGUITOOLKIT_EXPORT QString GetTargetPath();

/// Makes the locale the default of every widget created afterwards (dates, numbers).
QORVAGUITOOLKIT_EXPORT void InitGuiLocale(const QLocale &locale);
/// The locale given to InitGuiLocale (the system locale before).
QORVAGUITOOLKIT_EXPORT QLocale guiLocale();

/// Sets the application's layout direction; false means right-to-left.
QORVAGUITOOLKIT_EXPORT void initGuiLayoutDirection(bool leftToRight);

/// Remembers the framework's skin key ("BlackRedSkin", "NeutralSkin", "GreyRedSkin",
/// "BlueSkin"); widgets that paint colours themselves read the palette of that skin.
QORVAGUITOOLKIT_EXPORT void initSkinType(const QString &skinType);
/// The skin key given to initSkinType; empty before.
QORVAGUITOOLKIT_EXPORT QString skinType();
/// Skin directory of a skin key: "neutral", "bright", "blue", else "dark".
QORVAGUITOOLKIT_EXPORT QString skinDirectory(const QString &skinType);

/// Text of the toolkit's own style sheets for a skin directory ("dark", "neutral",
/// "bright", "blue"): the common rules followed by the skin's rules. Empty when the
/// directory is unknown.
QORVAGUITOOLKIT_EXPORT QString skinStyleSheet(const QString &skinDir);

/// The top-level window that holds the widget; nullptr for nullptr.
QORVAGUITOOLKIT_EXPORT QWidget *GetIndependentWindow(QWidget *widget);

/// Slides the widget in from the right edge of the reference widget, over the
/// reference's full height, in the given time (0 or less: placed at once). The widget
/// is shown and raised; its width is kept.
QORVAGUITOOLKIT_EXPORT void rightSlideAnimation(QWidget *widget, QWidget *reference,
                                                int milliseconds);

} // namespace QorvaGUIToolkit
