#pragma once
// The maintenance window; its content comes later, the framework can already embed it.

#include <QWidget>

namespace visitorclient {

class CMaintain : public QWidget
{
    Q_OBJECT
public:
    explicit CMaintain(QWidget *parent = nullptr);
};

} // namespace visitorclient
