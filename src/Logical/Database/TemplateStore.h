#pragma once
// Template-table work for windows: each request runs on a worker thread of its own
// store, one after another in the order asked (a set followed by a load sees the set),
// and its outcome comes back as a signal on the store's thread.

#include <Base/HandOffList.h>
#include <Base/WorkQueue.h>

#include <QObject>
#include <QString>

#include <functional>

namespace visitorclient {

class CTemplateStore : public QObject
{
    Q_OBJECT
public:
    explicit CTemplateStore(QObject *parent = nullptr);
    /// Waits for the requests still queued; outcomes not yet delivered are dropped.
    ~CTemplateStore() override;

    /// Whether the component database was set up at start; without it every request fails.
    static bool isAvailable();

    /// Adds a row; signalInserted tells the outcome.
    void insert(const QString &name);
    /// Adds a row only when the table has none; signalSeeded tells the outcome.
    void seed(const QString &name);
    /// Reads the newest row; signalLoaded gives its name, or current when the table is empty.
    void loadNewest(const QString &current);

signals:
    void signalInserted(bool ok);
    void signalSeeded(bool ok);
    void signalLoaded(bool ok, const QString &name);

private slots:
    void deliverOutcomes();

private:
    void write(const QString &name, bool onlyIntoEmptyTable);
    /// From the worker: emit runs on the store's thread.
    void deliver(std::function<void()> emitOutcome);

    Base::CHandOffList<std::function<void()>> m_outcomes;
    // Last: joined before the members its jobs use go.
    Base::CWorkQueue m_worker{1};
};

} // namespace visitorclient
