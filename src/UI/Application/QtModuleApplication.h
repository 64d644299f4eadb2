#pragma once
// The component's QApplication: keeps its name and filters a few events for the whole
// process (mapped parents on show, no global font/palette changes, tool tips from the
// widgets' texts, no exception escaping an event handler).

#include <QApplication>

namespace publicClient {

class QtModuleApplication : public QApplication
{
    Q_OBJECT
public:
    QtModuleApplication(const QString &name, int &argc, char **argv);

    QString applicationName() const;

    bool notify(QObject *receiver, QEvent *event) override;

private:
    bool showToolTip(QObject *receiver, QEvent *event);

    QString m_strAppName;
};

} // namespace publicClient
