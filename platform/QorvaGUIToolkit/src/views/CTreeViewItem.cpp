#include <QorvaGUIToolkit/CTreeViewItem.h>

namespace QorvaGUIToolkit {

CTreeViewItem::CTreeViewItem()
{
    setEditable(false);
}

CTreeViewItem::CTreeViewItem(const QString &text) : QStandardItem(text)
{
    setEditable(false);
}

CTreeViewItem::CTreeViewItem(const QIcon &icon, const QString &text) : QStandardItem(icon, text)
{
    setEditable(false);
}

QStandardItem *CTreeViewItem::clone() const
{
    auto *item = new CTreeViewItem();
    *item = *this;
    return item;
}

} // namespace QorvaGUIToolkit
