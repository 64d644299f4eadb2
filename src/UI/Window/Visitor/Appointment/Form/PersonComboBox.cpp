#include "PersonComboBox.h"

#include <UiDataController/ModelRoles.h>

namespace visitorclient {

PersonComboBox::PersonComboBox(QWidget *parent) : CMultilevelComboBox(parent) {}

bool PersonComboBox::isChoosable(const QModelIndex &index)
{
    return index.data(UiDataController::NodeTypeRole).toInt() == UiDataController::PersonNode;
}

void PersonComboBox::press(const QModelIndex &index)
{
    if (isChoosable(index))
        CMultilevelComboBox::press(index);
}

} // namespace visitorclient
