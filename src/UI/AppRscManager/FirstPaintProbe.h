#pragma once
// Logs the first paint of a window with the time since the process started.

#include <QObject>

class QWidget;

namespace visitorclient {

class CFirstPaintProbe : public QObject
{
    Q_OBJECT
public:
    /// Watches the window (and is its child); removes itself after the first paint.
    explicit CFirstPaintProbe(QWidget *window);

    /// Milliseconds since this process started (from /proc/self/stat); -1 when unknown.
    static qint64 processUptimeMs();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace visitorclient
