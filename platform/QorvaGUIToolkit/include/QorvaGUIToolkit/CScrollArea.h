#pragma once
// Frameless scroll area with the toolkit's vertical scroll bar; the content widget
// follows the area's width (no horizontal scrolling by default).

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QScrollArea>

namespace QorvaGUIToolkit {

class CVerScrollBar;

class QORVAGUITOOLKIT_EXPORT CScrollArea : public QScrollArea
{
    Q_OBJECT
public:
    explicit CScrollArea(QWidget *parent = nullptr);

    CVerScrollBar *verScrollBar() const { return m_pBar; }

private:
    CVerScrollBar *m_pBar;
};

} // namespace QorvaGUIToolkit
