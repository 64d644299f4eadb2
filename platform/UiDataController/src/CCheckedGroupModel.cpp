#include <UiDataController/CCheckedGroupModel.h>

namespace UiDataController {
namespace {

Qt::CheckState tickOf(const QVariant &value)
{
    // The views cycle through partially ticked; for a node it means ticked.
    return value.toInt() == Qt::Unchecked ? Qt::Unchecked : Qt::Checked;
}

void setCheck(QStandardItem *item, Qt::CheckState state)
{
    if (item->checkState() != state)
        item->setCheckState(state);
}

} // namespace

CCheckedGroupModel::CCheckedGroupModel(std::shared_ptr<qorva7310::IGroupManager> groupManager,
                                       QObject *parent, const LogicNodeParam &param)
    : CLogicModel(std::move(groupManager), parent, param, false)
{
    startSync();
}

CCheckedGroupModel::~CCheckedGroupModel() = default;

bool CCheckedGroupModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    QStandardItem *node = role == Qt::CheckStateRole ? itemFromIndex(index) : nullptr;
    if (node == nullptr)
        return CLogicModel::setData(index, value, role);
    const Qt::CheckState state = tickOf(value);
    if (node->data(NodeTypeRole).toInt() == AreaNode) {
        for (int row = 0; row < node->rowCount(); ++row)
            setCheck(node->child(row), state);
        setCheck(node, state);
        return true;
    }
    setCheck(node, state);
    if (node->parent() != nullptr)
        areaElementsChanged(node->parent());
    return true;
}

QStringList CCheckedGroupModel::GetCheckedElementIDs() const
{
    QStringList ids;
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *area = item(row);
        for (int child = 0; child < area->rowCount(); ++child) {
            if (area->child(child)->checkState() == Qt::Checked)
                ids << area->child(child)->data(ElementIdRole).toString();
        }
    }
    return ids;
}

void CCheckedGroupModel::ClearAllChecked()
{
    for (int row = 0; row < rowCount(); ++row)
        setData(index(row, 0), Qt::Unchecked, Qt::CheckStateRole);
}

void CCheckedGroupModel::prepareAreaItem(QStandardItem *item)
{
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    item->setCheckState(Qt::Unchecked);
}

void CCheckedGroupModel::prepareElementItem(QStandardItem *item)
{
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
}

void CCheckedGroupModel::areaElementsChanged(QStandardItem *areaItem)
{
    const int count = areaItem->rowCount();
    if (count == 0)
        return; // an empty area keeps its own mark
    int ticked = 0;
    for (int row = 0; row < count; ++row) {
        if (areaItem->child(row)->checkState() == Qt::Checked)
            ++ticked;
    }
    setCheck(areaItem, ticked == 0       ? Qt::Unchecked
                       : ticked == count ? Qt::Checked
                                         : Qt::PartiallyChecked);
}

} // namespace UiDataController
