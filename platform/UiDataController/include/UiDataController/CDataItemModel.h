#pragma once
// Base of the item models over the framework-data managers (organisations, resource
// groups, devices). The model fills itself from the manager's current data and takes in
// what the manager reports afterwards, on the GUI thread, batched per event-loop turn:
// a renamed, removed or offline item changes in place, nothing is reloaded.

#include <UiDataController/UiDataControllerExport.h>

#include <clientcommonlogical/IDataSource.h>

#include <QStandardItemModel>

#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

namespace UiDataController {

class CDataChangeFeed;

class UIDATACONTROLLER_EXPORT CDataItemModel : public QStandardItemModel
{
    Q_OBJECT
public:
    ~CDataItemModel() override;

    /// Whether the manager's last load succeeded.
    bool IsLoaded() const;
    /// Takes in what the manager has reported so far now rather than in the next
    /// event-loop turn. GUI thread.
    void SyncNow();
    /// Most changed items taken in per event-loop turn (500 by default).
    void SetMaxItemsPerTurn(int count);

signals:
    /// The model has taken in a reload or a batch of changes.
    void signalDataUpdated();

protected:
    CDataItemModel(std::shared_ptr<qorva7310::IDataSource> source, QObject *parent);

    /// Starts listening and fills the model for the first time. Last step of the derived
    /// constructor (listening starts before the first read, so nothing falls between).
    void startSync();
    /// Everything may have changed: bring the whole model in line with the manager.
    virtual void reload() = 0;
    /// One item appeared, changed or vanished.
    virtual void itemChanged(qorva7310::DataKind kind, const std::string &id) = 0;
    /// Around a reload or a batch of itemChanged calls, so that a model can tell the
    /// views about many changed nodes at once.
    virtual void beginChanges();
    virtual void endChanges();

    static QString fromStd(const std::string &text) { return QString::fromStdString(text); }
    /// Sets role to value unless it already holds it (an unchanged value stays quiet).
    static void setIfChanged(QStandardItem *item, const QVariant &value, int role);
    /// Moves item (with its row and children) to row of newParent; returns the item.
    QStandardItem *moveItem(QStandardItem *item, QStandardItem *newParent, int row);
    QStandardItem *parentOrRoot(QStandardItem *item) const;
    /// The models' nodes by the manager's identifiers.
    using ItemMap = std::unordered_map<std::string, QStandardItem *>;
    template <class Map> static QStandardItem *find(const Map &items, const std::string &id)
    {
        const auto it = items.find(typename Map::key_type(id));
        return it != items.end() ? it->second : nullptr;
    }
    /// After a reload: remove(id) for every node whose id the manager no longer lists.
    template <class Map, class Remove>
    static void removeUnlisted(const Map &items, const std::unordered_set<std::string> &listed,
                               Remove remove)
    {
        std::vector<std::string> gone;
        for (const auto &entry : items) {
            std::string id(entry.first);
            if (listed.count(id) == 0)
                gone.push_back(std::move(id));
        }
        for (const std::string &id : gone)
            remove(id);
    }

private:
    void takeItems(const std::vector<std::pair<qorva7310::DataKind, std::string>> &items);

    std::shared_ptr<qorva7310::IDataSource> m_source;
    CDataChangeFeed *m_pFeed = nullptr;
};

} // namespace UiDataController
