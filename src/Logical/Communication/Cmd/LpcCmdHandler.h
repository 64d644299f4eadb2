#pragma once
// Brings the framework's quit request from a pool thread to the application.

#include <Base/Singleton.h>

#include <QObject>

namespace visitorclient {

class CLpcCmdHandler : public QObject, public Base::CSingleton<CLpcCmdHandler>
{
    Q_OBJECT
    friend class Base::CSingleton<CLpcCmdHandler>;

signals:
    /// Emitted on a pool thread; the application's automatic connection queues its
    /// onQuit() on the GUI thread.
    void signalProcessExit();

private:
    CLpcCmdHandler() = default;
};

} // namespace visitorclient
