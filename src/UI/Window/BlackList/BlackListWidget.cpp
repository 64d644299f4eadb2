#include "BlackListWidget.h"

#include <Base/Log.h>

namespace visitorclient {

BlackListWidget::BlackListWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("BlackList_Widget"));
}

void BlackListWidget::activatePage()
{
    LOG_INFO("=BlackListWidget= activated");
    m_bInit = true;
}

void BlackListWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
