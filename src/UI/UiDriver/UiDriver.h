#pragma once
// The UI driver: a test-only LPC method, "uiDriverStep", through which a script runs one
// operator step in the component's window (click, type, wait for a table, take a
// screenshot, ...) and gets its outcome. It is not announced to the framework, and it
// refuses every step unless the component was started with QORVA_UI_DRIVER=1.
//
// Request data: {"step": "<step line>", "boundMs": <how long a waiting step may wait>}.
// Reply data:   {"ok": true|false, "message": "<what happened or why not>"}; the reply
// envelope's errorModule is 7 and its errorCode 0, or one of the codes below.
// The steps and their grammar are in UiDriverSteps.cpp.

#include <Base/HandOffList.h>

#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace visitorclient {

class CUiDriver : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kMethod = "uiDriverStep";
    static constexpr int kErrorModule = 7;
    enum ErrorCode { BadRequest = 12, Disabled = 40, StepFailed = 41, GuiBusy = 42 };
    /// Bound of a waiting step when the request names none.
    static constexpr int kDefaultBoundMs = 20000;

    /// QORVA_UI_DRIVER is "1".
    static bool enabledByEnvironment();
    /// Creates the driver on the calling (GUI) thread and adds its method to the command
    /// manager. enabled: whether steps run (else each is refused). Again: only updates
    /// the flag.
    static void install(bool enabled);
    /// The reply body for a call's body. Pool thread: waits for the GUI thread to run the
    /// step, at most the step's bound and a margin.
    static std::string handle(const std::string &body);

    /// Runs one step line; done gets the outcome once it is known (at once, or after
    /// polling for at most boundMs). GUI thread.
    void runStep(const QString &line, int boundMs,
                 const std::function<void(bool ok, const QString &message)> &done);

private:
    explicit CUiDriver(QObject *parent);
    /// GUI thread: runs the steps handed over by pool threads.
    Q_INVOKABLE void runHandedSteps();

    // Steps cross from the pool thread under a mutex and the wake-up goes by method name,
    // so race checkers see the hand-off (Qt's event queue is invisible to them).
    Base::CHandOffList<std::function<void()>> m_steps;
};

} // namespace visitorclient
