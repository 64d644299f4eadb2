#include <QorvaGUIToolkit/CSpinBox.h>

#include <QWheelEvent>

namespace QorvaGUIToolkit {

CSpinBox::CSpinBox(QWidget *parent) : QSpinBox(parent)
{
    setObjectName(QStringLiteral("CSpinBox"));
    setFocusPolicy(Qt::StrongFocus);
}

void CSpinBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QSpinBox::wheelEvent(event);
}

} // namespace QorvaGUIToolkit
