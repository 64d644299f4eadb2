#include "AppointmentWidget.h"

#include <Base/Log.h>

namespace visitorclient {

AppointmentWidget::AppointmentWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("Appointment_Widget"));
}

void AppointmentWidget::activatePage()
{
    LOG_INFO("=AppointmentWidget= activated");
    m_bInit = true;
}

void AppointmentWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
