#pragma once
// Development start without a framework: sets up the session services the way the
// window resource manager does and creates and shows the main window as if the
// framework had asked for it.

#include <UI/Window/Application/MainWindow.h>

#include <QObject>
#include <QPointer>

#include <memory>

namespace clientcommonlogical {
class CUserConfigDelegate;
class CLocalLogDelegate;
}

namespace visitorclient {

class CStandaloneShell : public QObject
{
    Q_OBJECT
public:
    explicit CStandaloneShell(QObject *parent = nullptr);
    ~CStandaloneShell() override;

    /// Permission manager (child of this object) with a user-configuration delegate,
    /// local-log manager with a local-log delegate in the component's data directory.
    void init();
    /// Creates the main window (once) and shows it; logs its first paint with the time
    /// since process start.
    MainWindow *showMainWindow();

    MainWindow *mainWindow() const { return m_pMainWindow; }

private:
    std::shared_ptr<clientcommonlogical::CUserConfigDelegate> m_pUserConfig;
    std::shared_ptr<clientcommonlogical::CLocalLogDelegate> m_pLocalLog;
    QPointer<MainWindow> m_pMainWindow;
};

} // namespace visitorclient
