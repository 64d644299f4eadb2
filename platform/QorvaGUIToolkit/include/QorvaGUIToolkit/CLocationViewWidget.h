#pragma once
// A framed panel holding a tree (resource groups, doors, selected items) with an
// optional search box above it. The search filters rows whose text contains the
// search text (case-insensitive) and keeps their parents; signals and currentIndex()
// always speak of the caller's model. GUI thread only.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QorvaGUIToolkit/ItemDataRole.h>

#include <QModelIndex>
#include <QWidget>

class QAbstractItemModel;
class QAbstractItemDelegate;
class QLineEdit;
class QSortFilterProxyModel;

namespace QorvaGUIToolkit {

class CTreeView;

class QORVAGUITOOLKIT_EXPORT CLocationViewWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CLocationViewWidget(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model);
    QAbstractItemModel *model() const { return m_pModel; }
    CTreeView *GetTreeView() const { return m_pView; }
    /// Replaces the tree's delegate (the caller keeps ownership rules of Qt: parent it).
    void setItemDelegate(QAbstractItemDelegate *delegate);
    void setHeaderHidden(bool hidden);
    /// Height of every row (28 px by default) unless the model gives Qt::SizeHintRole.
    void setRowHeight(int height);
    int rowHeight() const;

    void setSearchVisible(bool visible);
    bool isSearchVisible() const;
    void setSearchPlaceholder(const QString &text);
    void setFilterText(const QString &text);
    QString filterText() const;

    /// Index of the caller's model under the cursor, invalid when none.
    QModelIndex currentIndex() const;
    void expandAll();

signals:
    /// A row was clicked (index of the caller's model).
    void signalClicked(const QModelIndex &index);
    void signalDoubleClicked(const QModelIndex &index);
    /// A clickable icon (role 436) was clicked; forwarded from the tree.
    void SignalClicked(const QModelIndex &index, QorvaGUIToolkit::CItemDataRole role);

private:
    QModelIndex toSource(const QModelIndex &index) const;

    QAbstractItemModel *m_pModel = nullptr;
    QSortFilterProxyModel *m_pProxy;
    CTreeView *m_pView;
    QLineEdit *m_pSearch;
};

} // namespace QorvaGUIToolkit
