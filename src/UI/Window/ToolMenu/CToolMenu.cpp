#include "CToolMenu.h"

namespace visitorclient {

CToolMenu::CToolMenu(QWidget *parent) : QWidget(parent)
{
}

} // namespace visitorclient
