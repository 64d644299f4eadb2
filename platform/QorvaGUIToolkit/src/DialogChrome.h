#pragma once
// The frame shared by the toolkit's modal dialogs: a bordered panel with a title bar
// (title, close button) above the content. Private to the toolkit.

#include <QString>

class QDialog;
class QLabel;
class QVBoxLayout;

namespace QorvaGUIToolkit {
namespace detail {

/// Makes the dialog frameless and gives it the panel; returns the layout for the
/// content below the title bar. *titleLabel receives the title label.
QVBoxLayout *buildDialogChrome(QDialog *dialog, const QString &objectName, const QString &title,
                               QLabel **titleLabel);

/// Resource of a 32 px picture of a message kind ("info", "success", "warning",
/// "question", "error").
QString messagePicture(const QString &kind);

} // namespace detail
} // namespace QorvaGUIToolkit
