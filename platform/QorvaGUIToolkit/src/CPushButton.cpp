#include <QorvaGUIToolkit/CPushButton.h>

namespace QorvaGUIToolkit {

CPushButton::CPushButton(QWidget *parent) : CPushButton(QString(), parent) {}

CPushButton::CPushButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setMinimumWidth(72);
}

} // namespace QorvaGUIToolkit
