#include <QorvaGUIToolkit/CSecondaryButton.h>

#include <QStyle>

namespace QorvaGUIToolkit {

CSecondaryButton::CSecondaryButton(QWidget *parent) : CSecondaryButton(QString(), parent) {}

CSecondaryButton::CSecondaryButton(const QString &text, QWidget *parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setMinimumWidth(72);
}

void CSecondaryButton::setDestructive(bool destructive)
{
    m_destructive = destructive;
    style()->unpolish(this);
    style()->polish(this);
}

} // namespace QorvaGUIToolkit
