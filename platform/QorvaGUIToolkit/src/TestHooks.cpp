#include <QorvaGUIToolkit/TestHooks.h>

#include <QMutex>
#include <QMutexLocker>
#include <QQueue>

namespace QorvaGUIToolkit {

std::atomic<bool> TestHooks::s_enabled{false};

namespace {

struct HookState
{
    QMutex mutex;
    QList<TestHooks::Record> records;
    QQueue<TestHooks::Answer> answers;
    TestHooks::Answer defaultAnswer = TestHooks::Answer::Show;
    TestHooks::ChasePolicy chase = TestHooks::ChasePolicy::Show;
};

HookState &state()
{
    static HookState s;
    return s;
}

QStringList textsOf(TestHooks::Kind kind)
{
    QStringList texts;
    for (const TestHooks::Record &r : TestHooks::records(kind))
        texts << r.text;
    return texts;
}

} // namespace

void TestHooks::enable()
{
    s_enabled.store(true, std::memory_order_relaxed);
}

void TestHooks::disable()
{
    s_enabled.store(false, std::memory_order_relaxed);
    QMutexLocker lock(&state().mutex);
    state().records.clear();
    state().answers.clear();
    state().defaultAnswer = Answer::Show;
    state().chase = ChasePolicy::Show;
}

void TestHooks::confirmNext(int count)
{
    enable();
    QMutexLocker lock(&state().mutex);
    for (int i = 0; i < count; ++i)
        state().answers.enqueue(Answer::Confirm);
}

void TestHooks::rejectNext(int count)
{
    enable();
    QMutexLocker lock(&state().mutex);
    for (int i = 0; i < count; ++i)
        state().answers.enqueue(Answer::Reject);
}

void TestHooks::setDefaultAnswer(Answer answer)
{
    enable();
    QMutexLocker lock(&state().mutex);
    state().defaultAnswer = answer;
}

void TestHooks::setChasePolicy(ChasePolicy policy)
{
    enable();
    QMutexLocker lock(&state().mutex);
    state().chase = policy;
}

void TestHooks::setAutoCloseChase(bool autoClose)
{
    setChasePolicy(autoClose ? ChasePolicy::AutoClose : ChasePolicy::Show);
}

int TestHooks::pendingAnswers()
{
    QMutexLocker lock(&state().mutex);
    return state().answers.size();
}

QList<TestHooks::Record> TestHooks::records()
{
    QMutexLocker lock(&state().mutex);
    return state().records;
}

QList<TestHooks::Record> TestHooks::records(Kind kind)
{
    QList<Record> result;
    for (const Record &r : records())
        if (r.kind == kind)
            result << r;
    return result;
}

QStringList TestHooks::notices()
{
    return textsOf(Kind::Notice);
}

QStringList TestHooks::toolTips()
{
    return textsOf(Kind::ToolTip);
}

QStringList TestHooks::warnings()
{
    return textsOf(Kind::Warning);
}

QList<TestHooks::Record> TestHooks::dialogs()
{
    QList<Record> result;
    for (const Record &r : records())
        if (r.kind == Kind::Question || r.kind == Kind::Warning)
            result << r;
    return result;
}

void TestHooks::clearRecords()
{
    QMutexLocker lock(&state().mutex);
    state().records.clear();
}

void TestHooks::record(Kind kind, const QString &title, const QString &text, int answer)
{
    if (!isEnabled())
        return;
    QMutexLocker lock(&state().mutex);
    state().records.append({kind, title, text, answer});
}

TestHooks::Answer TestHooks::takeAnswer()
{
    if (!isEnabled())
        return Answer::Show;
    QMutexLocker lock(&state().mutex);
    if (!state().answers.isEmpty())
        return state().answers.dequeue();
    return state().defaultAnswer;
}

TestHooks::ChasePolicy TestHooks::chasePolicy()
{
    if (!isEnabled())
        return ChasePolicy::Show;
    QMutexLocker lock(&state().mutex);
    return state().chase;
}

} // namespace QorvaGUIToolkit
