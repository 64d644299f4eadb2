#include "BlackListModel.h"

#include <UI/Window/Common/DisplayTexts.h>

#include <QorvaGUIToolkit/CStandardItem.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

namespace visitorclient {

namespace {

const int kAlignment = Qt::AlignLeft | Qt::AlignVCenter;
const int kWidths[BlackListModel::ColumnCount] = {56, 120, 72, 110, 170, 220, 160, 80};

} // namespace

const char *const BlackListModel::kEditIcon = ":/VisitorManagement/Images/button/Edit.svg";

BlackListModel::BlackListModel(QObject *parent) : CStandardItemModel(0, ColumnCount, parent)
{
    registerBlackDataMetaType();
    // "AddDateTime" would read as a raw key to an operator: it goes through the
    // translations like the other headers.
    const QStringList headers = {
        QString(),  tr("TheName"), tr("Gender"),      tr("AuthenticationType"),
        tr("IDNo"), tr("Remark"),  tr("AddDateTime"), tr("Operation")};
    SetHorizontalHeaderTexts(headers);
    for (int column = 0; column < ColumnCount; ++column)
        setHeaderData(column, Qt::Horizontal, kWidths[column],
                      QorvaGUIToolkit::HeaderColumnWidthRole);
    SetHeaderCheckable(CheckColumn);
    m_editIcon = QPixmap(QString::fromLatin1(kEditIcon));
}

void BlackListModel::appendEntry(const BlackData &entry)
{
    const QStringList texts = {QString(),
                               entry.strName,
                               CDisplayTexts::gender(entry.iGender),
                               CDisplayTexts::documentType(entry.iIdentityType),
                               entry.strIdentityCode,
                               entry.strRemark,
                               entry.strAddTime,
                               QString()};
    QList<QStandardItem *> items;
    for (const QString &text : texts) {
        auto *item = new QorvaGUIToolkit::CStandardItem(text);
        item->setEditable(false);
        item->setData(kAlignment, Qt::TextAlignmentRole);
        items.append(item);
    }
    QStandardItem *check = items[CheckColumn];
    check->setCheckable(true);
    check->setCheckState(Qt::Unchecked);
    check->setData(entry.strGuid, QorvaGUIToolkit::ItemRowIdRole);
    check->setData(QVariant::fromValue(entry), QorvaGUIToolkit::ItemRecordRole);
    items[OperationColumn]->setData(m_editIcon, QorvaGUIToolkit::ItemClickableIconRole);
    // Long remarks are cut in the cell; the whole text stays readable.
    items[RemarkColumn]->setToolTip(entry.strRemark);
    appendRow(items);
}

BlackData BlackListModel::entryAt(int row) const
{
    const QStandardItem *check = item(row, CheckColumn);
    return check ? check->data(QorvaGUIToolkit::ItemRecordRole).value<BlackData>() : BlackData();
}

QList<int> BlackListModel::checkedRowsFromBottom() const
{
    QList<int> rows;
    for (int row = rowCount() - 1; row >= 0; --row) {
        if (item(row, CheckColumn)->checkState() == Qt::Checked)
            rows.append(row);
    }
    return rows;
}

void BlackListModel::removeRowsFromBottom(const QList<int> &rows)
{
    for (int row : rows) {
        if (row >= 0 && row < rowCount())
            removeRow(row);
    }
}

BlackListPageProxy::BlackListPageProxy(QObject *parent) : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(false);
}

void BlackListPageProxy::setRange(int first, int count)
{
    m_first = first;
    m_count = count;
    invalidateFilter();
}

void BlackListPageProxy::sort(int column, Qt::SortOrder order)
{
    if (sourceModel() != nullptr)
        sourceModel()->sort(column, order);
    invalidateFilter();
}

bool BlackListPageProxy::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    return sourceRow >= m_first && sourceRow < m_first + m_count;
}

} // namespace visitorclient
