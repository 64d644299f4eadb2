#include "UiDriver.h"

#include "UiDriverSteps.h"

#include <Logical/Communication/Cmd/CmdManager/CmdManager.h>

#include <JSONStruct/Routes/WireNames.h>

#include <QorvaGUIToolkit/TestHooks.h>

#include <Base/Log.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace visitorclient {

namespace {

std::atomic<bool> g_enabled{false};
QPointer<CUiDriver> g_driver;
// How long beyond a step's bound the caller waits for the GUI thread to report.
constexpr int kGuiMarginMs = 15000;
constexpr int kPollMs = 20;

std::string reply(int errorCode, bool ok, const QString &message)
{
    QJsonObject data;
    data.insert(QStringLiteral("ok"), ok);
    data.insert(QStringLiteral("message"), message);
    // An LPC response envelope.
    using namespace protocol::wire::key;
    QJsonObject envelope;
    envelope.insert(QLatin1String(kErrorCode), errorCode);
    envelope.insert(QLatin1String(kErrorModule), errorCode == 0 ? 0 : CUiDriver::kErrorModule);
    envelope.insert(QLatin1String(kMethod), QString::fromLatin1(CUiDriver::kMethod));
    envelope.insert(QLatin1String(kData), data);
    return QJsonDocument(envelope).toJson(QJsonDocument::Compact).toStdString();
}

struct PendingStep
{
    std::mutex mutex;
    std::condition_variable finished;
    bool done = false;
    bool ok = false;
    QString message;
};

} // namespace

CUiDriver::CUiDriver(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("CUiDriver"));
}

bool CUiDriver::enabledByEnvironment()
{
    return qEnvironmentVariable("QORVA_UI_DRIVER") == QLatin1String("1");
}

void CUiDriver::install(bool enabled)
{
    g_enabled = enabled;
    if (enabled) {
        // Notices, tool tips and questions become readable by the steps; dialogs still
        // show and wait for an answer.
        QorvaGUIToolkit::TestHooks::enable();
        LOG_WARN("UI driver enabled: steps of \"%s\" calls run in the window.", kMethod);
    }
    if (g_driver)
        return;
    g_driver = new CUiDriver(QCoreApplication::instance());
    CCmdManager::Instance().addExtraMethod(kMethod, &CUiDriver::handle);
}

std::string CUiDriver::handle(const std::string &body)
{
    if (!g_enabled) {
        LOG_WARN("Refused a UI driver step: the component was not started with QORVA_UI_DRIVER=1.");
        return reply(
            Disabled, false,
            QStringLiteral("the UI driver is off: start the component with QORVA_UI_DRIVER=1"));
    }
    const QJsonObject data = QJsonDocument::fromJson(QByteArray::fromStdString(body))
                                 .object()
                                 .value(QStringLiteral("data"))
                                 .toObject();
    const QString line = data.value(QStringLiteral("step")).toString();
    const int boundMs = data.value(QStringLiteral("boundMs")).toInt(kDefaultBoundMs);
    if (line.trimmed().isEmpty())
        return reply(BadRequest, false, QStringLiteral("the request carries no step"));

    auto pending = std::make_shared<PendingStep>();
    CUiDriver *driver = g_driver.data();
    const bool posted =
        driver != nullptr && (!driver->m_steps.push([pending, line, boundMs] {
            g_driver->runStep(line, boundMs, [pending](bool ok, const QString &message) {
                std::lock_guard<std::mutex> lock(pending->mutex);
                pending->done = true;
                pending->ok = ok;
                pending->message = message;
                pending->finished.notify_all();
            });
        }) || QMetaObject::invokeMethod(driver, "runHandedSteps", Qt::QueuedConnection));
    if (!posted)
        return reply(GuiBusy, false, QStringLiteral("the window is gone"));
    std::unique_lock<std::mutex> lock(pending->mutex);
    if (!pending->finished.wait_for(lock, std::chrono::milliseconds(boundMs + kGuiMarginMs),
                                    [&] { return pending->done; })) {
        LOG_ERROR("UI driver step [%s] got no outcome from the GUI thread.", qUtf8Printable(line));
        return reply(GuiBusy, false,
                     QStringLiteral("the GUI thread did not run the step within %1 s")
                         .arg((boundMs + kGuiMarginMs) / 1000));
    }
    LOG_INFO("UI driver step [%s]: %s %s", qUtf8Printable(line), pending->ok ? "ok" : "failed",
             qUtf8Printable(pending->message));
    return reply(pending->ok ? 0 : StepFailed, pending->ok, pending->message);
}

void CUiDriver::runHandedSteps()
{
    for (const std::function<void()> &step : m_steps.takeAll())
        step();
}

void CUiDriver::runStep(const QString &line, int boundMs,
                        const std::function<void(bool ok, const QString &message)> &done)
{
    const uidriver::StepOutcome first = uidriver::startStep(line);
    if (first.state != uidriver::StepOutcome::Pending) {
        done(first.state == uidriver::StepOutcome::Done, first.message);
        return;
    }
    // Polled from the event loop, also from a dialog's nested one.
    auto *timer = new QTimer(this);
    timer->setInterval(kPollMs);
    auto current = std::make_shared<uidriver::StepOutcome>(first);
    const QDeadlineTimer deadline(boundMs);
    connect(timer, &QTimer::timeout, this, [timer, current, deadline, boundMs, done] {
        if (current->poll)
            *current = current->poll();
        if (current->state == uidriver::StepOutcome::Pending && !deadline.hasExpired())
            return;
        timer->stop();
        timer->deleteLater();
        if (current->state == uidriver::StepOutcome::Pending)
            done(false, QStringLiteral("timed out after %1 s waiting for %2")
                            .arg(QString::number(boundMs / 1000.0), current->message));
        else
            done(current->state == uidriver::StepOutcome::Done, current->message);
    });
    timer->start();
}

} // namespace visitorclient
