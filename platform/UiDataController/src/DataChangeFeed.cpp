#include "DataChangeFeed.h"

namespace UiDataController {

CDataChangeFeed::CDataChangeFeed(std::shared_ptr<qorva7310::IDataSource> source, QObject *parent)
    : QObject(parent), m_source(std::move(source))
{
    if (m_source)
        m_source->addChangeListener(this);
}

CDataChangeFeed::~CDataChangeFeed()
{
    if (m_source)
        m_source->removeChangeListener(this);
}

void CDataChangeFeed::onItemChanged(qorva7310::DataKind kind, const std::string &id)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    Item item(kind, id);
    if (m_pendingSet.insert(item).second)
        m_pending.push_back(std::move(item));
    scheduleLocked();
}

void CDataChangeFeed::onReset()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    // A reload reads everything; what was reported before it is covered.
    m_reset = true;
    m_pending.clear();
    m_pendingSet.clear();
    scheduleLocked();
}

void CDataChangeFeed::scheduleLocked()
{
    if (m_scheduled)
        return;
    m_scheduled = true;
    // Called from loader threads: the wake-up goes by method name and carries nothing, so
    // all that crosses threads does so under m_mutex, where race checkers see it.
    QMetaObject::invokeMethod(this, "deliverTurn", Qt::QueuedConnection);
}

void CDataChangeFeed::deliverTurn()
{
    deliver(false);
}

void CDataChangeFeed::flush()
{
    deliver(true);
}

void CDataChangeFeed::deliver(bool all)
{
    for (;;) {
        bool reset = false;
        Items items;
        bool more = false;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            reset = m_reset;
            m_reset = false;
            const std::size_t count =
                all ? m_pending.size()
                    : std::min(m_pending.size(), static_cast<std::size_t>(m_maxPerTurn));
            items.reserve(count);
            for (std::size_t i = 0; i < count; ++i) {
                m_pendingSet.erase(m_pending.front());
                items.push_back(std::move(m_pending.front()));
                m_pending.pop_front();
            }
            more = !m_pending.empty() || m_reset;
            if (!all) {
                // The rest waits for the next turn, behind whatever else is queued.
                m_scheduled = false;
                if (more)
                    scheduleLocked();
            }
        }
        if (reset)
            emit signalReset();
        if (!items.empty())
            emit signalItemsChanged(items);
        if (!all || !more)
            return;
    }
}

} // namespace UiDataController
