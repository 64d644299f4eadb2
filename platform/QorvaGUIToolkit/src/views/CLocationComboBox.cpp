#include <QorvaGUIToolkit/CLocationComboBox.h>

#include <QTreeView>

namespace QorvaGUIToolkit {

CLocationComboBox::CLocationComboBox(QWidget *parent) : CMultilevelComboBox(parent)
{
    setObjectName(QStringLiteral("CLocationComboBox"));
}

void CLocationComboBox::showPopup()
{
    CMultilevelComboBox::showPopup();
}

void CLocationComboBox::press(const QModelIndex &index)
{
    if (index.isValid() && index.model()->hasChildren(index)) {
        QTreeView *tree = GetTreeView();
        tree->setExpanded(index, !tree->isExpanded(index));
        return;
    }
    CMultilevelComboBox::press(index);
}

} // namespace QorvaGUIToolkit
