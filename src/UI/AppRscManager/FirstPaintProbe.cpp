#include "FirstPaintProbe.h"

#include <Base/Log.h>

#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <time.h>
#include <unistd.h>

namespace visitorclient {

CFirstPaintProbe::CFirstPaintProbe(QWidget *window) : QObject(window)
{
    window->installEventFilter(this);
}

qint64 CFirstPaintProbe::processUptimeMs()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // Field 22 (start time in clock ticks since boot) counts from after the command
    // name, which may itself contain blanks.
    const int close = text.lastIndexOf(')');
    if (close < 0)
        return -1;
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    if (fields.size() < 20)
        return -1;
    const double startSeconds = fields.at(19).toDouble() / static_cast<double>(sysconf(_SC_CLK_TCK));
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowSeconds = static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
    return static_cast<qint64>((nowSeconds - startSeconds) * 1000.0);
}

bool CFirstPaintProbe::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint) {
        LOG_INFO("=MainWindow= first paint [%lld ms after process start]",
                 static_cast<long long>(processUptimeMs()));
        watched->removeEventFilter(this);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace visitorclient
