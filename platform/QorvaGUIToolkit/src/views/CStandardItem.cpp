#include <QorvaGUIToolkit/CStandardItem.h>

namespace QorvaGUIToolkit {

CStandardItem::CStandardItem()
{
    setEditable(false);
}

CStandardItem::CStandardItem(const QString &text) : QStandardItem(text)
{
    setEditable(false);
}

CStandardItem::CStandardItem(const QIcon &icon, const QString &text) : QStandardItem(icon, text)
{
    setEditable(false);
}

QStandardItem *CStandardItem::clone() const
{
    auto *item = new CStandardItem();
    *item = *this;
    return item;
}

} // namespace QorvaGUIToolkit
