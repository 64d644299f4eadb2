#pragma once
// The blacklist entries: eight columns, a tick box with the entry's id under role 356
// and the whole BlackData under role 456 in column 0, the edit icon in the last column.
// BlackListPageProxy shows one page of it in the model's current sort order.

#include "BlackData.h"

#include <QorvaGUIToolkit/CStandardItemModel.h>

#include <QList>
#include <QPixmap>
#include <QSortFilterProxyModel>

namespace visitorclient {

class BlackListModel : public QorvaGUIToolkit::CStandardItemModel
{
    Q_OBJECT
public:
    enum Column {
        CheckColumn = 0,
        NameColumn,
        GenderColumn,
        DocumentTypeColumn,
        DocumentNumberColumn,
        RemarkColumn,
        AddTimeColumn,
        OperationColumn,
        ColumnCount
    };
    static const char *const kEditIcon;

    explicit BlackListModel(QObject *parent = nullptr);

    void appendEntry(const BlackData &entry);
    BlackData entryAt(int row) const;
    /// Ticked rows, from the last to the first.
    QList<int> checkedRowsFromBottom() const;
    /// Removes the rows; rows must run from the bottom up, as checkedRowsFromBottom gives them.
    void removeRowsFromBottom(const QList<int> &rows);

private:
    QPixmap m_editIcon;
};

/// One page of a sorted list: rows [first, first + count) of its source. Sorting it
/// sorts the source (a sorting proxy) so that paging follows the sort order.
class BlackListPageProxy : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit BlackListPageProxy(QObject *parent = nullptr);
    void setRange(int first, int count);
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    int m_first = 0;
    int m_count = 0;
};

} // namespace visitorclient
