#include <QorvaGUIToolkit/CToolTip.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <QToolTip>
#include <QWidget>

namespace QorvaGUIToolkit {

void CToolTip::ShowText(const QPoint &globalPos, const QString &text, QWidget *widget)
{
    TestHooks::record(TestHooks::Kind::ToolTip, QString(), text);
    // Shown a little below the point so the tip does not cover the field's text.
    QToolTip::showText(globalPos + QPoint(0, widget ? 4 : 0), text, widget);
}

void CToolTip::HideText()
{
    QToolTip::hideText();
}

} // namespace QorvaGUIToolkit
