#pragma once
// Item of CTreeViewModel.

#include <QorvaGUIToolkit/QorvaGUIToolkitExport.h>

#include <QStandardItem>

namespace QorvaGUIToolkit {

/// A non-editable QStandardItem for tree and list models shown in CTreeView.
class QORVAGUITOOLKIT_EXPORT CTreeViewItem : public QStandardItem
{
public:
    CTreeViewItem();
    explicit CTreeViewItem(const QString &text);
    CTreeViewItem(const QIcon &icon, const QString &text);

    QStandardItem *clone() const override;
    int type() const override { return UserType + 2; }
};

} // namespace QorvaGUIToolkit
