#include <UiDataController/CDataItemModel.h>

#include "DataChangeFeed.h"

namespace UiDataController {

CDataItemModel::CDataItemModel(std::shared_ptr<qorva7310::IDataSource> source, QObject *parent)
    : QStandardItemModel(parent), m_source(std::move(source))
{}

CDataItemModel::~CDataItemModel() = default;

void CDataItemModel::startSync()
{
    if (m_pFeed != nullptr || !m_source)
        return;
    m_pFeed = new CDataChangeFeed(m_source, this);
    connect(m_pFeed, &CDataChangeFeed::signalReset, this, [this] {
        beginChanges();
        reload();
        endChanges();
        emit signalDataUpdated();
    });
    connect(m_pFeed, &CDataChangeFeed::signalItemsChanged, this, &CDataItemModel::takeItems);
    reload();
}

void CDataItemModel::beginChanges() {}

void CDataItemModel::endChanges() {}

void CDataItemModel::takeItems(
    const std::vector<std::pair<qorva7310::DataKind, std::string>> &items)
{
    beginChanges();
    for (const auto &item : items)
        itemChanged(item.first, item.second);
    endChanges();
    emit signalDataUpdated();
}

bool CDataItemModel::IsLoaded() const
{
    return m_source && m_source->loadState() == qorva7310::LoadState::Loaded;
}

void CDataItemModel::SyncNow()
{
    if (m_pFeed != nullptr)
        m_pFeed->flush();
}

void CDataItemModel::SetMaxItemsPerTurn(int count)
{
    if (m_pFeed != nullptr)
        m_pFeed->setMaxItemsPerTurn(count);
}

void CDataItemModel::setIfChanged(QStandardItem *item, const QVariant &value, int role)
{
    if (item->data(role) != value)
        item->setData(value, role);
}

QStandardItem *CDataItemModel::parentOrRoot(QStandardItem *item) const
{
    return item->parent() != nullptr ? item->parent() : invisibleRootItem();
}

QStandardItem *CDataItemModel::moveItem(QStandardItem *item, QStandardItem *newParent, int row)
{
    QStandardItem *oldParent = parentOrRoot(item);
    const int oldRow = item->row();
    if (oldParent == newParent && (oldRow == row || oldRow + 1 == row))
        return item; // already there
    QList<QStandardItem *> taken = oldParent->takeRow(oldRow);
    if (oldParent == newParent && oldRow < row)
        --row;
    newParent->insertRow(row, taken);
    return item;
}

} // namespace UiDataController
