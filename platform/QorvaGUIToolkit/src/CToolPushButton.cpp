#include <QorvaGUIToolkit/CToolPushButton.h>

#include <QIcon>

namespace QorvaGUIToolkit {

CToolPushButton::CToolPushButton(QWidget *parent) : CToolPushButton(QString(), QString(), parent) {}

CToolPushButton::CToolPushButton(const QString &normalIcon, const QString &hoverIcon,
                                 QWidget *parent)
    : QPushButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setFlat(true);
    setIconSize(QSize(16, 16));
    setFixedSize(24, 24);
    setIcons(normalIcon, hoverIcon);
}

void CToolPushButton::setIcons(const QString &normalIcon, const QString &hoverIcon,
                               const QString &pressedIcon)
{
    m_normal = normalIcon;
    m_hover = hoverIcon.isEmpty() ? normalIcon : hoverIcon;
    m_pressed = pressedIcon.isEmpty() ? m_hover : pressedIcon;
    showIcon(underMouse() ? m_hover : m_normal);
}

void CToolPushButton::showIcon(const QString &icon)
{
    setIcon(icon.isEmpty() ? QIcon() : QIcon(icon));
}

void CToolPushButton::enterEvent(QEvent *event)
{
    showIcon(m_hover);
    QPushButton::enterEvent(event);
}

void CToolPushButton::leaveEvent(QEvent *event)
{
    showIcon(m_normal);
    QPushButton::leaveEvent(event);
}

void CToolPushButton::mousePressEvent(QMouseEvent *event)
{
    showIcon(m_pressed);
    QPushButton::mousePressEvent(event);
}

void CToolPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    showIcon(underMouse() ? m_hover : m_normal);
    QPushButton::mouseReleaseEvent(event);
}

} // namespace QorvaGUIToolkit
