#include <QorvaGUIToolkit/CComboBox.h>

#include <QListView>
#include <QWheelEvent>

namespace QorvaGUIToolkit {

CComboBox::CComboBox(QWidget *parent) : QComboBox(parent)
{
    setObjectName(QStringLiteral("CComboBox"));
    setView(new QListView(this));
    setFocusPolicy(Qt::StrongFocus);
}

void CComboBox::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

} // namespace QorvaGUIToolkit
