#pragma once
// Helpers shared by the toolkit's input widgets (not part of the public headers).

#include <QString>

class QWidget;

namespace QorvaGUIToolkit {
namespace detail {

/// Shows text as the input-error tool tip at the field's top-left corner.
void ShowInputTip(QWidget *field, const QString &text);
/// Stores status in the widget's "status" property and re-applies the style sheet.
void ApplyStatus(QWidget *widget, int status);

} // namespace detail
} // namespace QorvaGUIToolkit
