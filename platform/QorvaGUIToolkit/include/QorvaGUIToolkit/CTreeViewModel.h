#pragma once
// Model of the toolkit's trees and short lists.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStandardItemModel>

namespace QorvaGUIToolkit {

class CTreeViewItem;

/// QStandardItemModel whose new items are CTreeViewItem.
class QORVAGUITOOLKIT_EXPORT CTreeViewModel : public QStandardItemModel
{
    Q_OBJECT
public:
    explicit CTreeViewModel(QObject *parent = nullptr);
    CTreeViewModel(int rows, int columns, QObject *parent = nullptr);

    /// Item at row/column under parent (the root when invalid), or null.
    CTreeViewItem *TreeItem(int row, int column, const QModelIndex &parent = QModelIndex()) const;
    /// First index in the whole tree (depth first) whose data under role equals value;
    /// invalid when none.
    QModelIndex FindIndex(int role, const QVariant &value, int column = 0) const;
};

} // namespace QorvaGUIToolkit
