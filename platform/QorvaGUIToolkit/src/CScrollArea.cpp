#include <QorvaGUIToolkit/CScrollArea.h>

#include <QorvaGUIToolkit/CVerScrollBar.h>

namespace QorvaGUIToolkit {

CScrollArea::CScrollArea(QWidget *parent) : QScrollArea(parent), m_pBar(new CVerScrollBar(this))
{
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBar(m_pBar);
}

} // namespace QorvaGUIToolkit
