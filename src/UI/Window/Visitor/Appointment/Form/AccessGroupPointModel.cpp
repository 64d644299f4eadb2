#include "AccessGroupPointModel.h"

namespace visitorclient {

AccessGroupPointModel::AccessGroupPointModel(QObject *parent) : QStandardItemModel(parent)
{
    connect(this, &QStandardItemModel::itemChanged, this,
            [this] { emit signalSelectDataChanged(checkedNames().join(QLatin1Char(','))); });
}

void AccessGroupPointModel::addGroup(const QString &guid, const QString &name, bool defaultGroup)
{
    auto *item = new QStandardItem(name);
    item->setEditable(false);
    item->setCheckable(true);
    item->setCheckState(Qt::Unchecked);
    item->setData(guid, GuidRole);
    item->setData(defaultGroup, DefaultRole);
    appendRow(item);
}

void AccessGroupPointModel::checkGroups(const QString &guids)
{
    const QStringList wanted = guids.split(QLatin1Char(','), Qt::SkipEmptyParts);
    bool defaultTaken = false;
    for (int row = 0; row < rowCount(); ++row) {
        QStandardItem *group = item(row);
        bool checked = false;
        if (wanted.isEmpty()) {
            checked = !defaultTaken && group->data(DefaultRole).toBool();
            defaultTaken = defaultTaken || checked;
        } else {
            checked = wanted.contains(group->data(GuidRole).toString());
        }
        const Qt::CheckState state = checked ? Qt::Checked : Qt::Unchecked;
        if (group->checkState() != state)
            group->setCheckState(state);
    }
}

QStringList AccessGroupPointModel::checkedGuids() const
{
    QStringList guids;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row)->checkState() == Qt::Checked)
            guids.append(item(row)->data(GuidRole).toString());
    }
    return guids;
}

QStringList AccessGroupPointModel::checkedNames() const
{
    QStringList names;
    for (int row = 0; row < rowCount(); ++row) {
        if (item(row)->checkState() == Qt::Checked)
            names.append(item(row)->text());
    }
    return names;
}

void AccessGroupPointModel::toggle(int row)
{
    QStandardItem *group = item(row);
    if (!group || group->checkState() == Qt::PartiallyChecked)
        return;
    group->setCheckState(group->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

} // namespace visitorclient
