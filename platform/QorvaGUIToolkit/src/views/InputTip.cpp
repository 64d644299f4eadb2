#include "InputTip.h"

#include <QorvaGUIToolkit/CToolTip.h>

#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace QorvaGUIToolkit {
namespace detail {

void ShowInputTip(QWidget *field, const QString &text)
{
    if (!field || text.isEmpty())
        return;
    CToolTip::ShowText(field->mapToGlobal(QPoint(0, 0)), text, field);
}

void ApplyStatus(QWidget *widget, int status)
{
    if (!widget)
        return;
    if (status < 0 || status > 2)
        status = 0;
    if (widget->property("status").toInt() == status && widget->property("status").isValid())
        return;
    widget->setProperty("status", status);
    // Property selectors are evaluated at polish time only.
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
    widget->update();
}

} // namespace detail
} // namespace QorvaGUIToolkit
