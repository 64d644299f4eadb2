#pragma once
// The tool-menu window (templates and tools); its content comes later, the framework can already embed it.

#include <QWidget>

namespace visitorclient {

class CToolMenu : public QWidget
{
    Q_OBJECT
public:
    explicit CToolMenu(QWidget *parent = nullptr);
};

} // namespace visitorclient
