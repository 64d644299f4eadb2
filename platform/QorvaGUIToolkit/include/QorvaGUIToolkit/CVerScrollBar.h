#pragma once
// Slim vertical scroll bar of the toolkit (8 px, no arrow buttons).

#include <QScrollBar>

namespace QorvaGUIToolkit {

class CVerScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit CVerScrollBar(QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
