#include <QorvaGUIToolkit/CCommandButton.h>

#include <QIcon>
#include <QStyle>

namespace QorvaGUIToolkit {

CCommandButton::CCommandButton(QWidget *parent) : CCommandButton(QString(), QString(), parent) {}

CCommandButton::CCommandButton(const QString &icon, const QString &text, QWidget *parent)
    : QPushButton(text, parent)
{
    if (!icon.isEmpty())
        setIcon(QIcon(icon));
    setIconSize(QSize(16, 16));
    setCursor(Qt::PointingHandCursor);
}

void CCommandButton::setDestructive(bool destructive)
{
    m_destructive = destructive;
    style()->unpolish(this);
    style()->polish(this);
}

} // namespace QorvaGUIToolkit
