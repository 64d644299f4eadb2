#include "ToolWindowStyle.h"

#include <UI/resources/VisitorResources.h>

#include <clientcommonlogical/ConfigMgr.h>

#include <QFile>
#include <QVariant>
#include <QWidget>

namespace visitorclient {

void applyToolWindowStyle(QWidget *window)
{
    initVisitorResources();
    window->setAttribute(Qt::WA_StyledBackground);
    window->setProperty("skinType", QString::fromStdString(
                                        clientcommonlogical::CConfigMgr::Instance().getSkinType()));
    QFile qss(QStringLiteral(":/VisitorManagement/Qss/ToolWindows.qss"));
    if (qss.open(QIODevice::ReadOnly))
        window->setStyleSheet(QString::fromUtf8(qss.readAll()));
}

} // namespace visitorclient
