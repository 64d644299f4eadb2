#pragma once
// Tree of the framework's resource groups (areas) and their elements (doors), over a
// group manager. Area nodes: NodeTypeRole 1, AreaIdRole, the name as display text.
// Element nodes: NodeTypeRole 2, AreaIdRole, ElementIdRole, ElementNoRole, DeviceIdRole,
// ElementOnlineRole, the name as display text and an online or offline door icon.
// Areas in display order, elements in server order. GUI thread only.

#include <UiDataController/CDataItemModel.h>
#include <UiDataController/ModelRoles.h>

#include <clientcommonlogical/IGroupManager.h>

#include <QIcon>
#include <QSet>

#include <QVector>
#include <string_view>
#include <unordered_map>

namespace UiDataController {

struct LogicNodeParam
{
    /// 1: areas with their elements; 0: areas only.
    int iShowElement = 1;
};

/// An element of the tree as the model holds it.
class UIDATACONTROLLER_EXPORT CElementModel
{
public:
    CElementModel() = default;
    explicit CElementModel(const QStandardItem &item);

    QString GetElementID() const { return m_id; }
    QString GetAreaID() const { return m_areaId; }
    QString GetName() const { return m_name; }
    int GetElementNo() const { return m_no; }
    QString GetDeviceID() const { return m_deviceId; }
    bool IsOnline() const { return m_online; }

private:
    QString m_id;
    QString m_areaId;
    QString m_name;
    QString m_deviceId;
    int m_no = 0;
    bool m_online = false;
};

/// An area of the tree as the model holds it.
class UIDATACONTROLLER_EXPORT CAreaModel
{
public:
    CAreaModel() = default;
    explicit CAreaModel(const QStandardItem &item);

    QString GetAreaID() const { return m_id; }
    QString GetName() const { return m_name; }
    int GetElementCount() const { return m_count; }

private:
    QString m_id;
    QString m_name;
    int m_count = 0;
};

class UIDATACONTROLLER_EXPORT CLogicModel : public CDataItemModel
{
    Q_OBJECT
public:
    CLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager, QObject *parent = nullptr,
                const LogicNodeParam &param = LogicNodeParam());
    ~CLogicModel() override;

    std::shared_ptr<qorva7310::IGroupManager> GetGroupManager() const { return m_manager; }

    /// The elements of an area in tree order; empty for an unknown area.
    QVector<CElementModel> GetAllElementsByAreaID(const QString &areaId) const;
    /// The tree index of an element; invalid when the tree has no such element.
    QModelIndex GetElementIndexByElementID(const QString &elementId) const;
    QModelIndex GetAreaIndexByAreaID(const QString &areaId) const;
    /// Every area in tree order.
    QVector<CAreaModel> GetAllAreaModels() const;

protected:
    /// For derived models: they call startSync() at the end of their own constructor, so
    /// that their item hooks apply from the first node on.
    CLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager, QObject *parent,
                const LogicNodeParam &param, bool syncNow);

    /// Hooks for derived models, called on new nodes before they enter the tree and after
    /// an area gained or lost elements.
    virtual void prepareAreaItem(QStandardItem *item);
    virtual void prepareElementItem(QStandardItem *item);
    virtual void areaElementsChanged(QStandardItem *areaItem);

    void reload() override;
    void itemChanged(qorva7310::DataKind kind, const std::string &id) override;
    void beginChanges() override;
    void endChanges() override;

    QStandardItem *areaItem(const std::string &areaId) const { return find(m_areaItems, areaId); }
    QStandardItem *elementItem(const std::string &elementId) const
    {
        return find(m_elementItems, elementId);
    }

private:
    void fill(std::vector<qorva7310::GroupAreaInfo> areas);
    QStandardItem *syncArea(const qorva7310::GroupAreaInfo &area);
    void syncElement(const qorva7310::GroupElementInfo &element);
    void removeArea(const std::string &areaId);
    void removeElement(const std::string &elementId);
    QStandardItem *newAreaItem(const qorva7310::GroupAreaInfo &area);
    QStandardItem *newElementItem(qorva7310::GroupElementInfo element);
    int areaRowFor(int sequence, const QStandardItem *self) const;

    class CElementItem;
    bool m_batching = false;
    QSet<CElementItem *> m_changedElements; // changed during a batch, not yet announced

    std::shared_ptr<qorva7310::IGroupManager> m_manager;
    LogicNodeParam m_param;
    ItemMap m_areaItems;
    // Keyed by views of the identifiers the element nodes hold, so that filling thousands
    // of nodes copies no key.
    std::unordered_map<std::string_view, QStandardItem *> m_elementItems;
    QIcon m_onlineIcon;
    QIcon m_offlineIcon;
};

} // namespace UiDataController
