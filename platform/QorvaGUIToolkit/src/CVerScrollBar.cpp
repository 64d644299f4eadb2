#include <QorvaGUIToolkit/CVerScrollBar.h>

namespace QorvaGUIToolkit {

CVerScrollBar::CVerScrollBar(QWidget *parent) : QScrollBar(Qt::Vertical, parent) {}

} // namespace QorvaGUIToolkit
