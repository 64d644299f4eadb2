#include "QtModuleApplication.h"

#include <Base/Log.h>

#include <QHelpEvent>
#include <QLineEdit>
#include <QToolTip>
#include <QWidget>

#include <exception>

namespace publicClient {

QtModuleApplication::QtModuleApplication(const QString &name, int &argc, char **argv)
    : QApplication(argc, argv)
    , m_strAppName(name)
{
}

QString QtModuleApplication::applicationName() const
{
    return m_strAppName;
}

bool QtModuleApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        switch (event->type()) {
        case QEvent::Show:
            // A widget shown inside a foreign (embedding) window must count its parents
            // as mapped, or it would not be painted.
            if (receiver->isWidgetType()) {
                for (QWidget *w = static_cast<QWidget *>(receiver); w; w = w->parentWidget()) {
                    if (!w->testAttribute(Qt::WA_Mapped))
                        w->setAttribute(Qt::WA_Mapped);
                }
            }
            break;
        case QEvent::ApplicationFontChange:
        case QEvent::ApplicationPaletteChange:
            // The framework's settings must not restyle the component.
            return true;
        case QEvent::ToolTip:
            if (showToolTip(receiver, event))
                return true;
            break;
        default:
            break;
        }
        return QApplication::notify(receiver, event);
    } catch (const std::exception &e) {
        LOG_ERROR("Exception in an event handler: [%s].", e.what());
    } catch (...) {
        LOG_ERROR("Unknown exception in an event handler.");
    }
    return false;
}

bool QtModuleApplication::showToolTip(QObject *receiver, QEvent *event)
{
    auto *help = static_cast<QHelpEvent *>(event);
    QWidget *widget = receiver->isWidgetType() ? static_cast<QWidget *>(receiver) : nullptr;
    const QVariant toolTip = receiver->property("toolTip");
    if (!toolTip.isNull()) {
        QToolTip::showText(help->globalPos(), toolTip.toString(), widget);
        return true;
    }
    if (!qobject_cast<QLineEdit *>(receiver)) {
        const QVariant text = receiver->property("text");
        if (!text.isNull()) {
            QToolTip::showText(help->globalPos(), text.toString(), widget);
            return true;
        }
    }
    const QVariant currentText = receiver->property("currentText");
    if (!currentText.isNull()) {
        QToolTip::showText(help->globalPos(), currentText.toString(), widget);
        return true;
    }
    return false;
}

} // namespace publicClient
