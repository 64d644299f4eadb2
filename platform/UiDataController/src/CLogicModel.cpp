#include <UiDataController/CLogicModel.h>

#include <unordered_set>

namespace UiDataController {
namespace {

// Display order of an area among its siblings; only the model reads it.
constexpr int kAreaSequenceRole = Qt::UserRole + 659;

} // namespace

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
    if (const QStandardItem *area = areaItem(areaId)) {
        out.reserve(area->rowCount());
        for (int row = 0; row < area->rowCount(); ++row)
            out.push_back(CElementModel(*area->child(row)));
    }
    return out;
}

QModelIndex CLogicModel::GetElementIndexByElementID(const QString &elementId) const
{
    const QStandardItem *item = elementItem(elementId);
    return item != nullptr ? item->index() : QModelIndex();
}

QModelIndex CLogicModel::GetAreaIndexByAreaID(const QString &areaId) const
{
    const QStandardItem *item = areaItem(areaId);
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
    const std::vector<qorva7310::GroupAreaInfo> areas = m_manager->getAreas();
    if (m_areaItems.isEmpty()) {
        fill(areas);
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
    removeUnlisted(m_elementItems, elementIds, [this](const QString &id) { removeElement(id); });
    removeUnlisted(m_areaItems, areaIds, [this](const QString &id) { removeArea(id); });
}

void CLogicModel::fill(const std::vector<qorva7310::GroupAreaInfo> &areas)
{
    // Each area is built off the model and inserted with its elements: one insertion
    // per area instead of one per node.
    for (const qorva7310::GroupAreaInfo &area : areas) {
        QStandardItem *item = newAreaItem(area);
        if (m_param.iShowElement != 0) {
            QList<QStandardItem *> children;
            children.reserve(static_cast<int>(area.elements.size()));
            for (const qorva7310::GroupElementInfo &element : area.elements)
                children.push_back(newElementItem(element));
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
            removeArea(fromStd(id));
    } else if (kind == qorva7310::DataKind::Element && m_param.iShowElement != 0) {
        qorva7310::GroupElementInfo element;
        if (m_manager->getElementInfo(id, element))
            syncElement(element);
        else
            removeElement(fromStd(id));
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
    const QString id = fromStd(area.id);
    QStandardItem *item = areaItem(id);
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
    const QString areaId = fromStd(element.areaId);
    QStandardItem *area = areaItem(areaId);
    if (area == nullptr) {
        qorva7310::GroupAreaInfo info;
        if (!m_manager->getArea(element.areaId, info))
            return;
        area = syncArea(info);
    }
    QStandardItem *item = elementItem(fromStd(element.id));
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
    setElementData(item, element);
}

void CLogicModel::removeArea(const QString &areaId)
{
    QStandardItem *item = m_areaItems.take(areaId);
    if (item == nullptr)
        return;
    for (int row = 0; row < item->rowCount(); ++row)
        m_elementItems.remove(item->child(row)->data(ElementIdRole).toString());
    removeRow(item->row());
}

void CLogicModel::removeElement(const QString &elementId)
{
    QStandardItem *item = m_elementItems.take(elementId);
    if (item == nullptr)
        return;
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
    m_areaItems.insert(fromStd(area.id), item);
    return item;
}

QStandardItem *CLogicModel::newElementItem(const qorva7310::GroupElementInfo &element)
{
    auto *item = new QStandardItem(fromStd(element.name));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    item->setData(ElementNode, NodeTypeRole);
    item->setData(fromStd(element.id), ElementIdRole);
    setElementData(item, element);
    prepareElementItem(item);
    m_elementItems.insert(fromStd(element.id), item);
    return item;
}

void CLogicModel::setElementData(QStandardItem *item, const qorva7310::GroupElementInfo &element)
{
    setIfChanged(item, fromStd(element.name), Qt::DisplayRole);
    setIfChanged(item, fromStd(element.areaId), AreaIdRole);
    setIfChanged(item, element.doorNo, ElementNoRole);
    setIfChanged(item, fromStd(element.deviceId), DeviceIdRole);
    const QVariant online = item->data(ElementOnlineRole);
    if (!online.isValid() || online.toBool() != element.online) {
        item->setData(element.online, ElementOnlineRole);
        item->setIcon(element.online ? m_onlineIcon : m_offlineIcon);
    }
}

} // namespace UiDataController
