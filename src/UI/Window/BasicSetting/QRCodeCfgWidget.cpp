#include "QRCodeCfgWidget.h"

#include <Base/Log.h>

namespace visitorclient {

QRCodeCfgWidget::QRCodeCfgWidget(QWidget *parent) : Widget(parent)
{
    setObjectName(QStringLiteral("QRCodeCfgWidget"));
}

void QRCodeCfgWidget::activatePage()
{
    LOG_INFO("=QRCodeCfgWidget= activated");
    m_bInit = true;
}

void QRCodeCfgWidget::setPageEnabled(bool enabled)
{
    m_bPermission = enabled;
    Widget::setPageEnabled(enabled);
}

} // namespace visitorclient
