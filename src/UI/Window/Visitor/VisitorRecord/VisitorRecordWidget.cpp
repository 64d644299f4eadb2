#include "VisitorRecordWidget.h"

#include <Base/Log.h>

namespace visitorclient {

VisitorRecordWidget::VisitorRecordWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("VisitorRecord_Widget"));
}

void VisitorRecordWidget::activatePage()
{
    LOG_INFO("=VisitorRecordWidget= activated");
    m_bInit = true;
}

void VisitorRecordWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
