#pragma once
// The host's main window: embeds the component's main window and offers the operator,
// simulator and component actions of a demo. Never waits for the component.

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class QLabel;
class QWindow;
class QVBoxLayout;

namespace clientframework {

class ComponentHost;

class ShellWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit ShellWindow(ComponentHost &host, QWidget *parent = nullptr);
    ~ShellWindow() override;

    /// Lets the foreign window go so that X does not destroy it with ours.
    void releaseEmbeddedWindow();
    /// Id of the embedded (or, offscreen, recorded) component window; 0 when none.
    qint64 componentWindowId() const { return m_windowId; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void onWindowId(const QString &name, qint64 id);
    void addCallLine(const QString &text);
    void updateStatus();
    void runControl(const QString &title, const std::function<quint32()> &operation);
    QString pick(const QString &what, const QString &title);
    void offerRestart(const QString &text);
    void showNotice(const QString &text);

    ComponentHost &m_host;
    QWidget *m_central = nullptr;
    QVBoxLayout *m_layout = nullptr;
    QLabel *m_notice = nullptr;
    QLabel *m_placeholder = nullptr;
    QLabel *m_state = nullptr;
    QLabel *m_calls = nullptr;
    QPointer<QWindow> m_foreign;
    QPointer<QWidget> m_container;
    qint64 m_windowId = 0;
    QStringList m_lastCalls;
    QString m_operator = QStringLiteral("admin");
};

} // namespace clientframework
