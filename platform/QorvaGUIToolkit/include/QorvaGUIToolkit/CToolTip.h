#pragma once
// Tool tips that point at an input field (input errors are shown this way).

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QPoint>
#include <QString>

class QWidget;

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CToolTip
{
public:
    /// Shows the text as a tool tip at the global position, belonging to the widget
    /// (the tip hides when the widget goes away). Empty text hides the tip. Recorded by
    /// TestHooks. GUI thread only.
    static void ShowText(const QPoint &globalPos, const QString &text, QWidget *widget);
    static void HideText();
};

} // namespace QorvaGUIToolkit
