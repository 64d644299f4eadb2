#include <QorvaGUIToolkit/CStandardItem.h>
#include <QorvaGUIToolkit/CStandardItemModel.h>
#include <QorvaGUIToolkit/ItemDataRole.h>

namespace QorvaGUIToolkit {

CStandardItemModel::CStandardItemModel(QObject *parent) : QStandardItemModel(parent)
{
    setItemPrototype(new CStandardItem());
}

CStandardItemModel::CStandardItemModel(int rows, int columns, QObject *parent)
    : QStandardItemModel(rows, columns, parent)
{
    setItemPrototype(new CStandardItem());
}

void CStandardItemModel::SetHorizontalHeaderTexts(const QStringList &texts)
{
    if (columnCount() < texts.size())
        setColumnCount(texts.size());
    for (int column = 0; column < texts.size(); ++column) {
        setHeaderData(column, Qt::Horizontal, texts.at(column), Qt::DisplayRole);
        setHeaderData(column, Qt::Horizontal, int(Qt::AlignLeft | Qt::AlignVCenter),
                      Qt::TextAlignmentRole);
    }
}

void CStandardItemModel::SetHeaderCheckable(int column, bool checkable)
{
    if (column < 0 || column >= columnCount())
        return;
    setHeaderData(column, Qt::Horizontal, checkable, HeaderCheckBoxRole);
    setHeaderData(column, Qt::Horizontal, int(Qt::Unchecked), Qt::CheckStateRole);
}

} // namespace QorvaGUIToolkit
