#include "ErrorInformationModel.h"

#include <QorvaGUIToolkit/ItemDataRole.h>

namespace visitorclient {

ErrorInformationModel::ErrorInformationModel(QObject *parent) : QAbstractTableModel(parent) {}

int ErrorInformationModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int ErrorInformationModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ErrorInformationModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const VisitorRecordRules::ErrorRow &row = m_rows[index.row()];
    switch (index.column()) {
    case IndexColumn:
        return index.row() + 1;
    case DeviceColumn:
        return row.deviceName;
    case KindColumn:
        return row.failureKind;
    case MessageColumn:
        return row.message;
    default:
        return QVariant();
    }
}

QVariant ErrorInformationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal)
        return QVariant();
    if (role == QorvaGUIToolkit::HeaderColumnWidthRole) {
        // Room for a whole device name; the message takes what is left.
        static const int widths[] = {56, 220, 90};
        return section >= 0 && section < MessageColumn ? QVariant(widths[section]) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case IndexColumn:
        return tr("Index");
    case DeviceColumn:
        return tr("DeviceName");
    case KindColumn:
        return tr("CredType");
    case MessageColumn:
        return tr("ErrorDescription");
    default:
        return QVariant();
    }
}

void ErrorInformationModel::addRow(const QString &failureKind, const QString &deviceName,
                                   const QString &message)
{
    const int row = m_rows.size();
    beginInsertRows(QModelIndex(), row, row);
    m_rows.append({failureKind, deviceName, message});
    endInsertRows();
}

void ErrorInformationModel::reset()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

} // namespace visitorclient
