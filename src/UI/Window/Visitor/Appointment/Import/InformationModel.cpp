#include "InformationModel.h"

namespace visitorclient {

InformationModel::InformationModel(QObject *parent) : QAbstractTableModel(parent) {}

int InformationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_entries.size();
}

int InformationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant InformationModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_entries.size() || role != Qt::DisplayRole)
        return QVariant();
    const Entry &entry = m_entries.at(index.row());
    return index.column() == 0 ? entry.first : entry.second;
}

QVariant InformationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == 0 ? tr("Index") : tr("ErrorDescription");
}

void InformationModel::setEntries(const QVector<Entry> &entries)
{
    beginResetModel();
    m_entries = entries;
    endResetModel();
}

void InformationModel::append(const QString &position, const QString &message)
{
    beginInsertRows(QModelIndex(), m_entries.size(), m_entries.size());
    m_entries.append({position, message});
    endInsertRows();
}

void InformationModel::reset()
{
    setEntries({});
}

} // namespace visitorclient
