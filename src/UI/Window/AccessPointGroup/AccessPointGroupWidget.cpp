#include "AccessPointGroupWidget.h"

#include <Base/Log.h>

namespace visitorclient {

AccessPointGroupWidget::AccessPointGroupWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("AccessPointGroup_Widget"));
}

void AccessPointGroupWidget::activatePage()
{
    LOG_INFO("=AccessPointGroupWidget= activated");
    m_bInit = true;
}

void AccessPointGroupWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
