#include "VisitorRecordModel.h"

#include "VisitorRecordRules.h"

#include <UI/Window/Common/DisplayTexts.h>
#include <UI/resources/VisitorResources.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QSignalBlocker>

namespace visitorclient {

namespace Rules = VisitorRecordRules;

const char *const VisitorRecordModel::kOperationIcon =
    ":/VisitorManagement/Images/button/Apply_nor.svg";

namespace {

// The times need about 120 pixels; with these widths the table fits beside the detail in
// a 1280-pixel window.
const int kWidths[VisitorRecordModel::ColumnCount] = {56, 80, 80, 100, 90, 136, 136, 80};
const int kAlignment = Qt::AlignLeft | Qt::AlignVCenter;

QStandardItem *newItem(const QString &text = QString())
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

VisitorRecordModel::VisitorRecordModel(QObject *parent)
    : QorvaGUIToolkit::CStandardItemModel(0, ColumnCount, parent)
{
    registerVisitorRecordDataMetaType();
    initVisitorResources();
    m_operationIcon = QPixmap(QString::fromLatin1(kOperationIcon));
    retranslate();
}

QVariant VisitorRecordModel::data(const QModelIndex &index, int role) const
{
    // Every cell has the same alignment: answered here rather than stored 8 times a row.
    if (role == Qt::TextAlignmentRole && index.isValid())
        return kAlignment;
    return CStandardItemModel::data(index, role);
}

int VisitorRecordModel::columnWidth(int column)
{
    return column >= 0 && column < ColumnCount ? kWidths[column] : 0;
}

void VisitorRecordModel::retranslate()
{
    SetHorizontalHeaderTexts({QString(), Rules::pageText("TheName"), Rules::pageText("Status"),
                              Rules::pageText("ApplyingPermissionSettings"),
                              Rules::pageText("CredType"),
                              Rules::pageText("TheVisitingTimedHeettrt"),
                              Rules::pageText("LeaveTime8UO8GP4D"), Rules::pageText("Operation")});
}

QList<QStandardItem *> VisitorRecordModel::newRow(const VisitorRecordData &r) const
{
    QList<QStandardItem *> items;
    items.reserve(ColumnCount);
    QStandardItem *check = newItem();
    check->setCheckable(true);
    check->setCheckState(Qt::Unchecked);
    items << check;
    QStandardItem *name = newItem(r.strName);
    name->setData(r.strGuid, QorvaGUIToolkit::ItemRowIdRole);
    name->setData(QVariant::fromValue(r), QorvaGUIToolkit::ItemRecordRole);
    items << name << newItem(Rules::statusText(r.strRegisterStatus))
          << newItem(CDisplayTexts::downloadResult(r.iDownloadResult))
          << newItem(CDisplayTexts::documentType(r.iIdentityType)) << newItem(r.strVisitTime)
          << newItem(r.strLeaveTime);
    QStandardItem *operation = newItem();
    if (Rules::showsOperationIcon(r.iDownloadResult))
        operation->setData(m_operationIcon, QorvaGUIToolkit::ItemClickableIconRole);
    items << operation;
    return items;
}

void VisitorRecordModel::addRecord(const VisitorRecordData &record)
{
    appendRow(newRow(record));
}

void VisitorRecordModel::setRecords(const QVector<VisitorRecordData> &records)
{
    // One reset for the whole page: a change signal per row or cell goes through the
    // proxy and the view each time, which was most of a page change.
    beginResetModel();
    {
        const QSignalBlocker quiet(this);
        removeRows(0, rowCount());
        if (!records.isEmpty())
            insertRows(0, records.size());
        for (int i = 0; i < records.size(); ++i) {
            const QList<QStandardItem *> items = newRow(records[i]);
            for (int column = 0; column < items.size(); ++column)
                setItem(i, column, items[column]);
        }
    }
    endResetModel();
}

void VisitorRecordModel::clearRecords()
{
    removeRows(0, rowCount());
}

VisitorRecordData VisitorRecordModel::recordAt(int row) const
{
    const QStandardItem *name = item(row, NameColumn);
    if (!name)
        return VisitorRecordData();
    return name->data(QorvaGUIToolkit::ItemRecordRole).value<VisitorRecordData>();
}

int VisitorRecordModel::rowOf(const QString &guid) const
{
    for (int row = 0; row < rowCount(); ++row) {
        const QStandardItem *name = item(row, NameColumn);
        if (name && name->data(QorvaGUIToolkit::ItemRowIdRole).toString() == guid)
            return row;
    }
    return -1;
}

bool VisitorRecordModel::applyDownloadResult(const QString &guid, int result,
                                             const QString &accessGroups)
{
    const int row = rowOf(guid);
    if (row < 0)
        return false;
    item(row, DownloadColumn)->setText(CDisplayTexts::downloadResult(result));
    if (result == 1)
        item(row, OperationColumn)->setData(QVariant(), QorvaGUIToolkit::ItemClickableIconRole);
    VisitorRecordData record = recordAt(row);
    record.iDownloadResult = result;
    record.strAccessGroupNames = accessGroups;
    item(row, NameColumn)->setData(QVariant::fromValue(record), QorvaGUIToolkit::ItemRecordRole);
    return true;
}

bool VisitorRecordModel::isChecked(int row) const
{
    const QStandardItem *check = item(row, CheckColumn);
    return check && check->checkState() == Qt::Checked;
}

int VisitorRecordModel::checkedCount() const
{
    int count = 0;
    for (int row = 0; row < rowCount(); ++row)
        count += isChecked(row) ? 1 : 0;
    return count;
}

QStringList VisitorRecordModel::checkedGuids() const
{
    QStringList guids;
    for (int row = 0; row < rowCount(); ++row) {
        if (isChecked(row))
            guids << recordAt(row).strGuid;
    }
    return guids;
}

} // namespace visitorclient
