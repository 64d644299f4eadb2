#include <UiDataController/CLogicModel.h>

#include "DataItem.h"

#include <unordered_set>

namespace UiDataController {
namespace {

// Display order of an area among its siblings; only the model reads it.
constexpr int kAreaSequenceRole = Qt::UserRole + 659;

bool sameElement(const qorva7310::GroupElementInfo &a, const qorva7310::GroupElementInfo &b)
{
    return a.id == b.id && a.name == b.name && a.areaId == b.areaId && a.deviceId == b.deviceId &&
           a.doorNo == b.doorNo && a.online == b.online;
}

} // namespace

class CLogicModel::CElementItem final : public CDataItem
{
public:
    CElementItem(qorva7310::GroupElementInfo info, const CLogicModel &model)
        : m_info(std::move(info)), m_model(model)
    {}

    int type() const override { return UserType + ElementIdRole; }

    /// True when something differs; the caller tells the views. The identifier stays:
    /// the model's index holds a view of it.
    bool setInfo(const qorva7310::GroupElementInfo &info)
    {
        if (sameElement(info, m_info))
            return false;
        m_info.name = info.name;
        m_info.areaId = info.areaId;
        m_info.deviceId = info.deviceId;
        m_info.doorNo = info.doorNo;
        m_info.online = info.online;
        return true;
    }
    void notifyViews() { changed(); }
    const std::string &id() const { return m_info.id; }

protected:
    QVariant value(int role) const override
    {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole:
            return QString::fromStdString(m_info.name);
        case Qt::DecorationRole:
            return m_info.online ? m_model.m_onlineIcon : m_model.m_offlineIcon;
        case NodeTypeRole:
            return int(ElementNode);
        case AreaIdRole:
            return QString::fromStdString(m_info.areaId);
        case ElementIdRole:
            return QString::fromStdString(m_info.id);
        case ElementOnlineRole:
            return m_info.online;
        case ElementNoRole:
            return m_info.doorNo;
        case DeviceIdRole:
            return QString::fromStdString(m_info.deviceId);
        default:
            return QVariant();
        }
    }

private:
    qorva7310::GroupElementInfo m_info;
    const CLogicModel &m_model;
};

CElementModel::CElementModel(const QStandardItem &item)
    : m_id(item.data(ElementIdRole).toString()), m_areaId(item.data(AreaIdRole).toString()),
      m_name(item.text()), m_deviceId(item.data(DeviceIdRole).toString()),
      m_no(item.data(ElementNoRole).toInt()), m_online(item.data(ElementOnlineRole).toBool())
{}

CAreaModel::CAreaModel(const QStandardItem &item)
    : m_id(item.data(AreaIdRole).toString()), m_name(item.text()), m_count(item.rowCount())
{}

CLogicModel::CLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager, QObject *parent,
                         const LogicNodeParam &param)
    : CLogicModel(std::move(groupManager), parent, param, true)
{}

CLogicModel::CLogicModel(std::shared_ptr<qorva7310::IGroupManager> groupManager, QObject *parent,
                         const LogicNodeParam &param, bool syncNow)
    : CDataItemModel(groupManager, parent), m_manager(std::move(groupManager)), m_param(param),
      m_onlineIcon(QStringLiteral(":/common/Images/common/door.svg")),
      m_offlineIcon(QStringLiteral(":/common/Images/common/dooroffline.svg"))
{
    if (syncNow)
        startSync();
}

CLogicModel::~CLogicModel() = default;

QVector<CElementModel> CLogicModel::GetAllElementsByAreaID(const QString &areaId) const
{
    QVector<CElementModel> out;
    if (const QStandardItem *area = areaItem(areaId.toStdString())) {
        out.reserve(area->rowCount());
        for (int row = 0; row < area->rowCount(); ++row)
            out.push_back(CElementModel(*area->child(row)));
    }
    return out;
}

QModelIndex CLogicModel::GetElementIndexByElementID(const QString &elementId) const
{
    const QStandardItem *item = elementItem(elementId.toStdString());
    return item != nullptr ? item->index() : QModelIndex();
}

QModelIndex CLogicModel::GetAreaIndexByAreaID(const QString &areaId) const
{
    const QStandardItem *item = areaItem(areaId.toStdString());
    return item != nullptr ? item->index() : QModelIndex();
}

QVector<CAreaModel> CLogicModel::GetAllAreaModels() const
{
    QVector<CAreaModel> out;
    out.reserve(rowCount());
    for (int row = 0; row < rowCount(); ++row)
        out.push_back(CAreaModel(*item(row)));
    return out;
}

void CLogicModel::prepareAreaItem(QStandardItem *) {}

void CLogicModel::prepareElementItem(QStandardItem *) {}

void CLogicModel::areaElementsChanged(QStandardItem *) {}

void CLogicModel::reload()
{
    std::vector<qorva7310::GroupAreaInfo> areas = m_manager->getAreas();
    if (m_areaItems.empty()) {
        fill(std::move(areas));
        return;
    }
    // Bring the tree in line item by item, so that check marks, expansion and
    // selection survive a reload.
    std::unordered_set<std::string> areaIds;
    std::unordered_set<std::string> elementIds;
    for (const qorva7310::GroupAreaInfo &area : areas) {
        areaIds.insert(area.id);
        syncArea(area);
        if (m_param.iShowElement == 0)
            continue;
        for (const qorva7310::GroupElementInfo &element : area.elements) {
            elementIds.insert(element.id);
            syncElement(element);
        }
    }
    removeUnlisted(m_elementItems, elementIds,
                   [this](const std::string &id) { removeElement(id); });
    removeUnlisted(m_areaItems, areaIds, [this](const std::string &id) { removeArea(id); });
}

void CLogicModel::fill(std::vector<qorva7310::GroupAreaInfo> areas)
{
    // Each area is built off the model and inserted with its elements: one insertion
    // per area instead of one per node.
    if (m_param.iShowElement != 0) {
        std::size_t count = 0;
        for (const qorva7310::GroupAreaInfo &area : areas)
            count += area.elements.size();
        m_elementItems.reserve(count);
    }
    for (qorva7310::GroupAreaInfo &area : areas) {
        QStandardItem *item = newAreaItem(area);
        if (m_param.iShowElement != 0) {
            QList<QStandardItem *> children;
            children.reserve(static_cast<int>(area.elements.size()));
            for (qorva7310::GroupElementInfo &element : area.elements)
                children.push_back(newElementItem(std::move(element)));
            item->appendRows(children);
            areaElementsChanged(item);
        }
        // appendRow, not appendRows: only a single-row insertion hands the model down to
        // the grandchildren (Qt 5.15).
        appendRow(item);
    }
}

void CLogicModel::itemChanged(qorva7310::DataKind kind, const std::string &id)
{
    if (kind == qorva7310::DataKind::Area) {
        qorva7310::GroupAreaInfo area;
        if (m_manager->getArea(id, area))
            syncArea(area);
        else
            removeArea(id);
    } else if (kind == qorva7310::DataKind::Element && m_param.iShowElement != 0) {
        qorva7310::GroupElementInfo element;
        if (m_manager->getElementInfo(id, element))
            syncElement(element);
        else
            removeElement(id);
    }
}

int CLogicModel::areaRowFor(int sequence, const QStandardItem *self) const
{
    // After the areas of lower or equal sequence, as the manager orders them.
    int row = 0;
    for (; row < rowCount(); ++row) {
        const QStandardItem *other = item(row);
        if (other != self && other->data(kAreaSequenceRole).toInt() > sequence)
            break;
    }
    return row;
}

QStandardItem *CLogicModel::syncArea(const qorva7310::GroupAreaInfo &area)
{
    QStandardItem *item = areaItem(area.id);
    if (item == nullptr) {
        item = newAreaItem(area);
        invisibleRootItem()->insertRow(areaRowFor(area.sequence, nullptr), item);
        return item;
    }
    setIfChanged(item, fromStd(area.name), Qt::DisplayRole);
    if (item->data(kAreaSequenceRole).toInt() != area.sequence) {
        item->setData(area.sequence, kAreaSequenceRole);
        moveItem(item, invisibleRootItem(), areaRowFor(area.sequence, item));
    }
    return item;
}

void CLogicModel::syncElement(const qorva7310::GroupElementInfo &element)
{
    QStandardItem *area = areaItem(element.areaId);
    if (area == nullptr) {
        qorva7310::GroupAreaInfo info;
        if (!m_manager->getArea(element.areaId, info))
            return;
        area = syncArea(info);
    }
    QStandardItem *item = elementItem(element.id);
    if (item == nullptr) {
        area->appendRow(newElementItem(element));
        areaElementsChanged(area);
        return;
    }
    if (item->parent() != area) {
        QStandardItem *oldArea = item->parent();
        moveItem(item, area, area->rowCount());
        areaElementsChanged(oldArea);
        areaElementsChanged(area);
    }
    auto *changed = static_cast<CElementItem *>(item);
    if (!changed->setInfo(element))
        return;
    if (m_batching)
        m_changedElements.insert(changed);
    else
        changed->notifyViews();
}

void CLogicModel::beginChanges()
{
    m_batching = true;
}

void CLogicModel::endChanges()
{
    m_batching = false;
    // One range per area instead of one signal per door: a tree view answers a single
    // changed index with a search through all its rows, a range with one repaint.
    QHash<QStandardItem *, QPair<int, int>> ranges;
    for (CElementItem *item : qAsConst(m_changedElements)) {
        const int row = item->row();
        auto it = ranges.find(item->parent());
        if (it == ranges.end())
            ranges.insert(item->parent(), qMakePair(row, row));
        else
            *it = qMakePair(qMin(it->first, row), qMax(it->second, row));
    }
    m_changedElements.clear();
    for (auto it = ranges.cbegin(); it != ranges.cend(); ++it) {
        const QModelIndex area = it.key()->index();
        emit dataChanged(index(it->first, 0, area), index(it->second, 0, area));
    }
}

void CLogicModel::removeArea(const std::string &areaId)
{
    QStandardItem *item = areaItem(areaId);
    if (item == nullptr)
        return;
    m_areaItems.erase(areaId);
    for (int row = 0; row < item->rowCount(); ++row) {
        auto *element = static_cast<CElementItem *>(item->child(row));
        m_elementItems.erase(element->id());
        m_changedElements.remove(element);
    }
    removeRow(item->row());
}

void CLogicModel::removeElement(const std::string &elementId)
{
    QStandardItem *item = elementItem(elementId);
    if (item == nullptr)
        return;
    m_elementItems.erase(elementId);
    m_changedElements.remove(static_cast<CElementItem *>(item));
    QStandardItem *area = item->parent();
    area->removeRow(item->row());
    areaElementsChanged(area);
}

QStandardItem *CLogicModel::newAreaItem(const qorva7310::GroupAreaInfo &area)
{
    auto *item = new QStandardItem(fromStd(area.name));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(AreaNode, NodeTypeRole);
    item->setData(fromStd(area.id), AreaIdRole);
    item->setData(area.sequence, kAreaSequenceRole);
    prepareAreaItem(item);
    m_areaItems[area.id] = item;
    return item;
}

QStandardItem *CLogicModel::newElementItem(qorva7310::GroupElementInfo element)
{
    auto *item = new CElementItem(std::move(element), *this);
    prepareElementItem(item);
    m_elementItems[std::string_view(item->id())] = item;
    return item;
}

} // namespace UiDataController
