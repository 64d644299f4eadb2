#include <QorvaGUIToolkit/CTreeViewItem.h>
#include <QorvaGUIToolkit/CTreeViewModel.h>

namespace QorvaGUIToolkit {

CTreeViewModel::CTreeViewModel(QObject *parent) : QStandardItemModel(parent)
{
    setItemPrototype(new CTreeViewItem());
}

CTreeViewModel::CTreeViewModel(int rows, int columns, QObject *parent)
    : QStandardItemModel(rows, columns, parent)
{
    setItemPrototype(new CTreeViewItem());
}

CTreeViewItem *CTreeViewModel::TreeItem(int row, int column, const QModelIndex &parent) const
{
    const QModelIndex idx = index(row, column, parent);
    return idx.isValid() ? dynamic_cast<CTreeViewItem *>(itemFromIndex(idx)) : nullptr;
}

QModelIndex CTreeViewModel::FindIndex(int role, const QVariant &value, int column) const
{
    const QModelIndexList found = match(index(0, column), role, value, 1,
                                        Qt::MatchExactly | Qt::MatchRecursive | Qt::MatchWrap);
    return found.isEmpty() ? QModelIndex() : found.first();
}

} // namespace QorvaGUIToolkit
