#include <QorvaGUIToolkit/CShadeFrame.h>

#include <QEvent>
#include <QPainter>

namespace QorvaGUIToolkit {

CShadeFrame::CShadeFrame(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("CShadeFrame"));
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    if (parent)
        parent->installEventFilter(this);
}

void CShadeFrame::showShade()
{
    if (QWidget *p = parentWidget())
        setGeometry(p->rect());
    raise();
    show();
}

void CShadeFrame::hideShade()
{
    hide();
}

bool CShadeFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible())
        setGeometry(parentWidget()->rect());
    return QFrame::eventFilter(watched, event);
}

void CShadeFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 128));
}

} // namespace QorvaGUIToolkit
