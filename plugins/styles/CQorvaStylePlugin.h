#pragma once
// Style plug-in that makes "CQorvaStyle" known to QStyleFactory.

#include <QStylePlugin>

class CQorvaStylePlugin : public QStylePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QStyleFactoryInterface" FILE "CQorvaStyle.json")

public:
    QStyle *create(const QString &key) override;
};
