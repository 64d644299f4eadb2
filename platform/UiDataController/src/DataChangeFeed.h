#pragma once
// Hands what a framework-data manager reports on its threads to the thread this object
// lives on (the models' GUI thread): once per event-loop turn, each item once in the
// order of its first change, at most a bounded number of items per turn so that a
// burst never stalls the event loop.

#include <clientcommonlogical/IDataSource.h>

#include <QObject>

#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace UiDataController {

class CDataChangeFeed : public QObject, public qorva7310::IDataChangeListener
{
    Q_OBJECT
public:
    using Item = std::pair<qorva7310::DataKind, std::string>;
    using Items = std::vector<Item>;

    /// Listens to source from now on.
    explicit CDataChangeFeed(std::shared_ptr<qorva7310::IDataSource> source,
                             QObject *parent = nullptr);
    /// Stops listening; waits for a report running on another thread.
    ~CDataChangeFeed() override;

    void setMaxItemsPerTurn(int count) { m_maxPerTurn = count > 0 ? count : 1; }
    /// Hands over everything pending now. Own thread.
    void flush();

    void onItemChanged(qorva7310::DataKind kind, const std::string &id) override;
    void onReset() override;

signals:
    /// Everything may have changed; comes before the items reported after it.
    void signalReset();
    void signalItemsChanged(const UiDataController::CDataChangeFeed::Items &items);

private:
    Q_INVOKABLE void deliverTurn();
    void deliver(bool all);
    void scheduleLocked();

    std::shared_ptr<qorva7310::IDataSource> m_source;
    int m_maxPerTurn = 500;
    std::mutex m_mutex;
    bool m_reset = false;
    bool m_scheduled = false;
    std::deque<Item> m_pending;
    std::set<Item> m_pendingSet;
};

} // namespace UiDataController
