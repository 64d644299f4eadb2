#include "CMaintain.h"

namespace visitorclient {

CMaintain::CMaintain(QWidget *parent) : QWidget(parent)
{
}

} // namespace visitorclient
