#include "ShellWindow.h"

#include <QRect>

#include "ComponentHost.h"

#include <JSONStruct/Routes/Routes.h>
#include <JSONStruct/Routes/WireNames.h>
#include <ManagementServer/ManagementServer.h>

#include <Base/Log.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QInputDialog>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QStatusBar>
#include <QThreadPool>
#include <QVBoxLayout>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace clientframework {

namespace {

// QWindow::fromWinId accepts any number; ask the X server whether the window exists.
bool x11WindowExists(qint64 id)
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    bool exists = false;
    if (xcb_connection_has_error(connection) == 0) {
        xcb_generic_error_t *error = nullptr;
        xcb_get_window_attributes_reply_t *reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, static_cast<xcb_window_t>(id)), &error);
        exists = reply != nullptr;
        std::free(reply);
        std::free(error);
    }
    xcb_disconnect(connection);
    return exists;
}

} // namespace

ShellWindow::ShellWindow(ComponentHost &host, QWidget *parent) : QMainWindow(parent), m_host(host)
{
    setWindowTitle(QStringLiteral("Qorva-7310 Client Framework"));
    resize(1280, 780);
    m_central = new QWidget(this);
    m_layout = new QVBoxLayout(m_central);
    m_layout->setContentsMargins(0, 0, 0, 0);
    // What happened to the component stays above the page until the operator dismisses it,
    // also after a restart has put the component's window back.
    m_notice = new QLabel(m_central);
    m_notice->setTextFormat(Qt::RichText);
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextBrowserInteraction);
    m_notice->setContentsMargins(12, 8, 12, 8);
    m_notice->setStyleSheet(QStringLiteral("QLabel { background: #fff4ce; color: #3b2f00; }"));
    m_notice->hide();
    connect(m_notice, &QLabel::linkActivated, m_notice, &QLabel::hide);
    m_layout->addWidget(m_notice);
    m_placeholder = new QLabel(QStringLiteral("Starting the visitor component…"), m_central);
    m_placeholder->setAlignment(Qt::AlignCenter);
    m_layout->addWidget(m_placeholder, 1);
    setCentralWidget(m_central);

    m_state = new QLabel(this);
    m_calls = new QLabel(this);
    statusBar()->addWidget(m_state);
    statusBar()->addPermanentWidget(m_calls, 1);
    buildMenus();

    connect(&m_host, &ComponentHost::windowIdReceived, this, &ShellWindow::onWindowId);
    connect(&m_host, &ComponentHost::componentConnectionChanged, this, [this]() { updateStatus(); });
    // The component sizes its own window when it shows it: fit it to the container again.
    connect(&m_host, &ComponentHost::windowShown, this, [this]() {
        if (!m_foreign.isNull() && !m_container.isNull())
            m_foreign->setGeometry(QRect(QPoint(0, 0), m_container->size()));
    });
    connect(&m_host, &ComponentHost::componentStarted, this, [this]() {
        m_placeholder->setText(QStringLiteral("Starting the visitor component…"));
        updateStatus();
    });
    connect(&m_host, &ComponentHost::statusMessage, this, [this](const QString &text) {
        statusBar()->showMessage(text, 5000);
        updateStatus();
    });
    connect(&m_host, &ComponentHost::requestRouted, this, [this](const QString &url, int method, const QString &code) {
        addCallLine(QStringLiteral("← %1 %2 [%3]").arg(QLatin1String(protocol::routes::methodName(method)), url, code));
    });
    connect(&m_host, &ComponentHost::callFinished, this,
            [this](int, const QString &method, const QString &result, const QString &) {
                addCallLine(QStringLiteral("→ %1 [%2]").arg(method, result));
            });
    connect(&m_host, &ComponentHost::notificationHandled, this, [this](const QString &type, bool forwarded) {
        addCallLine(QStringLiteral("→ %1 %2").arg(type, forwarded ? QStringLiteral("[sent]") : QStringLiteral("[not subscribed]")));
    });
    connect(&m_host, &ComponentHost::componentExited, this, [this]() {
        releaseEmbeddedWindow();
        m_windowId = 0;
        m_placeholder->setText(QStringLiteral("The visitor component is not running."));
        updateStatus();
    });
    connect(&m_host, &ComponentHost::componentFailure, this,
            [this](const QString &text) { showNotice(text); });
    connect(&m_host, &ComponentHost::shutDown, this, &QWidget::close);
    connect(&m_host, &ComponentHost::initTimedOut, this, [this]() {
        offerRestart(QStringLiteral("The component did not finish starting in time."));
    });
    connect(&m_host, &ComponentHost::errorMessage, this, [this](const QString &text) {
        statusBar()->showMessage(text, 10000);
    });
    updateStatus();
}

ShellWindow::~ShellWindow()
{
    releaseEmbeddedWindow();
}

void ShellWindow::buildMenus()
{
    QMenu *operatorMenu = menuBar()->addMenu(QStringLiteral("&Operator"));
    operatorMenu->addAction(QStringLiteral("Switch to admin (all rights)"), this, [this]() {
        m_operator = QStringLiteral("admin");
        m_host.switchOperator(0);
        updateStatus();
    });
    operatorMenu->addAction(QStringLiteral("Switch to guard (no editing)"), this, [this]() {
        m_operator = QStringLiteral("guard");
        m_host.switchOperator(1);
        updateStatus();
    });
    operatorMenu->addSeparator();
    operatorMenu->addAction(QStringLiteral("Log out"), this, [this]() {
        releaseEmbeddedWindow();
        m_host.stopComponent(QString::fromLatin1(protocol::wire::kMethodClientDisconnected));
    });
    operatorMenu->addAction(QStringLiteral("Log in"), this, [this]() { m_host.startComponent(); });

    QMenu *server = menuBar()->addMenu(QStringLiteral("&Simulator"));
    server->addAction(QStringLiteral("Check visitor in…"), this, [this]() {
        const QString code = QInputDialog::getText(this, QStringLiteral("Check in"), QStringLiteral("Reservation code:"));
        if (!code.isEmpty())
            runControl(QStringLiteral("Check in"), [this, code]() { return m_host.server()->checkIn(code.toStdString()); });
    });
    server->addAction(QStringLiteral("Check visitor out…"), this, [this]() {
        const QString code = QInputDialog::getText(this, QStringLiteral("Check out"), QStringLiteral("Reservation code:"));
        if (!code.isEmpty())
            runControl(QStringLiteral("Check out"), [this, code]() { return m_host.server()->checkOut(code.toStdString()); });
    });
    server->addAction(QStringLiteral("Remove device…"), this, [this]() {
        const QString guid = pick(QStringLiteral("devices"), QStringLiteral("Remove device"));
        if (!guid.isEmpty())
            runControl(QStringLiteral("Remove device"), [this, guid]() { return m_host.server()->removeDevice(guid.toStdString()); });
    });
    server->addAction(QStringLiteral("Rename resource group…"), this, [this]() {
        const QString guid = pick(QStringLiteral("areas"), QStringLiteral("Rename resource group"));
        const QString name = guid.isEmpty() ? QString() : QInputDialog::getText(this, QStringLiteral("Rename"), QStringLiteral("New name:"));
        if (!name.isEmpty())
            runControl(QStringLiteral("Rename group"), [this, guid, name]() {
                return m_host.server()->renameResourceGroup(guid.toStdString(), name.toStdString());
            });
    });
    server->addAction(QStringLiteral("Rename door…"), this, [this]() {
        const QString guid = pick(QStringLiteral("doors"), QStringLiteral("Rename door"));
        const QString name = guid.isEmpty() ? QString() : QInputDialog::getText(this, QStringLiteral("Rename"), QStringLiteral("New name:"));
        if (!name.isEmpty())
            runControl(QStringLiteral("Rename door"), [this, guid, name]() {
                return m_host.server()->renameDoor(guid.toStdString(), name.toStdString());
            });
    });
    server->addAction(QStringLiteral("Make device fail…"), this, [this]() {
        const QString guid = pick(QStringLiteral("devices"), QStringLiteral("Make device fail"));
        if (!guid.isEmpty())
            runControl(QStringLiteral("Device fails"), [this, guid]() { return m_host.server()->setDeviceFailing(guid.toStdString(), true); });
    });
    server->addAction(QStringLiteral("Take device offline…"), this, [this]() {
        const QString guid = pick(QStringLiteral("devices"), QStringLiteral("Take device offline"));
        if (!guid.isEmpty())
            runControl(QStringLiteral("Device offline"), [this, guid]() { return m_host.server()->setDeviceOnline(guid.toStdString(), false); });
    });
    server->addAction(QStringLiteral("Bring device online…"), this, [this]() {
        const QString guid = pick(QStringLiteral("devices"), QStringLiteral("Bring device online"));
        if (!guid.isEmpty())
            runControl(QStringLiteral("Device online"), [this, guid]() {
                return m_host.server()->setDeviceOnline(guid.toStdString(), true);
            });
    });

    QMenu *component = menuBar()->addMenu(QStringLiteral("&Component"));
    component->addAction(QStringLiteral("Send template test request"), this, [this]() {
        m_host.sendHttp(QStringLiteral("/7310/v1/internal/template/tests"), protocol::routes::MethodPost, QStringLiteral("{}"));
    });
    component->addAction(QStringLiteral("Open tool menu"), this, [this]() { m_host.openWindow(QStringLiteral("TemplateToolMenu")); });
    component->addAction(QStringLiteral("Open maintenance"), this, [this]() { m_host.openWindow(QStringLiteral("TemplateMaintain")); });
    // The blacklist page has no navigation entry; the UI driver shows it for demonstrations.
    component->addAction(QStringLiteral("Show blacklist page (needs --ui-driver)"), this, [this]() {
        const QJsonObject step{
            {QStringLiteral("step"), QStringLiteral("show-page BlackList_Widget")},
            {QStringLiteral("boundMs"), 5000}};
        m_host.callComponent(QStringLiteral("uiDriverStep"),
                             QString::fromUtf8(QJsonDocument(step).toJson(QJsonDocument::Compact)));
    });
    component->addSeparator();
    component->addAction(QStringLiteral("Restart component"), this, [this]() {
        releaseEmbeddedWindow();
        m_host.restartComponent();
    });
}

QString ShellWindow::pick(const QString &what, const QString &title)
{
    const auto rows = m_host.server()->list(what.toStdString());
    QStringList items;
    QStringList guids;
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].size() < 2)
            continue;
        guids << QString::fromStdString(rows[i][0]);
        items << QString::fromStdString(rows[i][1]);
    }
    if (items.isEmpty()) {
        QMessageBox::information(this, title, QStringLiteral("Nothing to choose from."));
        return QString();
    }
    bool ok = false;
    const QString item = QInputDialog::getItem(this, title, QStringLiteral("Choose:"), items, 0, false, &ok);
    return ok ? guids.value(items.indexOf(item)) : QString();
}

void ShellWindow::runControl(const QString &title, const std::function<quint32()> &operation)
{
    // The database work runs off the GUI thread; the result comes back queued.
    QPointer<ShellWindow> self(this);
    QThreadPool::globalInstance()->start([self, title, operation]() {
        const quint32 code = operation();
        QMetaObject::invokeMethod(qApp, [self, title, code]() {
            if (self.isNull())
                return;
            const QString text = code == 0 ? QStringLiteral("%1: done").arg(title)
                                           : QStringLiteral("%1: failed (20-%2)").arg(title).arg(code);
            self->addCallLine(text);
            self->statusBar()->showMessage(text, 5000);
        });
    });
}

void ShellWindow::offerRestart(const QString &text)
{
    if (m_host.isShuttingDown())
        return;
    const auto answer = QMessageBox::warning(this, QStringLiteral("Visitor component"),
                                             text + QStringLiteral("\n\nRestart the component?"),
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        m_host.restartComponent();
}

void ShellWindow::onWindowId(const QString &name, qint64 id)
{
    if (name != QLatin1String(protocol::wire::kWindowVisitorApplication))
        return;
    m_windowId = id;
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        // Foreign windows need a window system; offscreen we only keep the id.
        m_placeholder->setText(QStringLiteral("Component window %1 (not embedded on the %2 platform).")
                                   .arg(id)
                                   .arg(QGuiApplication::platformName()));
        updateStatus();
        return;
    }
    if (!x11WindowExists(id)) {
        LOG_ERROR("The component answered window id %lld, which does not exist.", static_cast<long long>(id));
        m_placeholder->setText(QStringLiteral("The component's window id %1 is not a window.").arg(id));
        return;
    }
    releaseEmbeddedWindow();
    m_foreign = QWindow::fromWinId(static_cast<WId>(id));
    if (m_foreign.isNull()) {
        m_placeholder->setText(QStringLiteral("The component's window cannot be embedded."));
        return;
    }
    m_container = QWidget::createWindowContainer(m_foreign, m_central);
    m_container->setFocusPolicy(Qt::StrongFocus);
    m_placeholder->hide();
    m_layout->addWidget(m_container);
    LOG_INFO("Embedded component window %lld.", static_cast<long long>(id));
    updateStatus();
}

void ShellWindow::releaseEmbeddedWindow()
{
    if (!m_foreign.isNull()) {
        // X destroys child windows with their parent: give the component's window back first.
        m_foreign->hide();
        m_foreign->setParent(nullptr);
    }
    m_foreign.clear();
    if (!m_container.isNull())
        m_container->deleteLater();
    m_container.clear();
    if (m_placeholder != nullptr)
        m_placeholder->show();
}

void ShellWindow::closeEvent(QCloseEvent *event)
{
    releaseEmbeddedWindow();
    if (!m_host.isShutDown()) {
        // Closes for real once the host has closed (or, after the stop time-out, killed) the
        // component: shutDown calls close() again.
        if (m_host.isComponentRunning())
            m_placeholder->setText(QStringLiteral("Closing the visitor component…"));
        m_host.shutdown();
        event->ignore();
        return;
    }
    event->accept();
}

void ShellWindow::showNotice(const QString &text)
{
    m_notice->setText(text.toHtmlEscaped() +
                      QStringLiteral(" &nbsp;<a href=\"dismiss\">Dismiss</a>"));
    m_notice->show();
}

void ShellWindow::addCallLine(const QString &text)
{
    m_lastCalls.prepend(text);
    while (m_lastCalls.size() > 3)
        m_lastCalls.removeLast();
    m_calls->setText(m_lastCalls.join(QStringLiteral("   ")));
}

void ShellWindow::updateStatus()
{
    QString state;
    if (!m_host.isComponentRunning())
        state = QStringLiteral("Component: stopped");
    else if (!m_host.isComponentConnected())
        state = QStringLiteral("Component: starting");
    else
        state = QStringLiteral("Component: connected");
    if (m_windowId != 0)
        state += QStringLiteral(" · window %1").arg(m_windowId);
    state += QStringLiteral(" · operator %1").arg(m_operator);
    m_state->setText(state);
}

} // namespace clientframework
