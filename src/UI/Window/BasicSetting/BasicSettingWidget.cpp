#include "BasicSettingWidget.h"

#include <Base/Log.h>

namespace visitorclient {

BasicSettingWidget::BasicSettingWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("BasicSetting_Widget"));
}

void BasicSettingWidget::activatePage()
{
    LOG_INFO("=BasicSettingWidget= activated");
    m_bInit = true;
}

void BasicSettingWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
