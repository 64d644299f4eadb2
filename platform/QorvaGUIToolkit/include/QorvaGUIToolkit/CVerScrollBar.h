#pragma once
// Slim vertical scroll bar of the toolkit (8 px, no arrow buttons).

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QScrollBar>

namespace QorvaGUIToolkit {

class QORVAGUITOOLKIT_EXPORT CVerScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    explicit CVerScrollBar(QWidget *parent = nullptr);
};

} // namespace QorvaGUIToolkit
