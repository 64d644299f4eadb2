#pragma once
// The group list: one row per access-point group, the whole record under role 456 of
// column 0. Server notifications (a removed device, a renamed door) arrive on the notify
// center's thread and are applied on the GUI thread. Rows change on the GUI thread only.

#include "AccessGroupData.h"

#include <clientcommonlogical/INotifyCenterManagerObserver.h>

#include <QorvaGUIToolkit/CStandardItemModel.h>

#include <QMap>

namespace visitorclient {

class AccessPointGroupModel : public QorvaGUIToolkit::CStandardItemModel,
                              public clientcommonlogical::INotifyCenterManagerObserver
{
    Q_OBJECT
public:
    enum Column {
        CheckColumn = 0,
        NameColumn,
        DoorsColumn,
        DescriptionColumn,
        DefaultColumn,
        OperationColumn,
        ColumnCount
    };
    static int columnWidth(int column);

    explicit AccessPointGroupModel(QObject *parent = nullptr);
    ~AccessPointGroupModel() override;

    void addGroup(const groupData &group);
    /// Rewrites the row of group.strGuid; false (nothing changed) when there is none.
    bool updateGroup(const groupData &group);
    groupData groupAt(int row) const;
    QString guidAt(int row) const;
    /// -1 when no group is the default.
    int defaultGroupRow() const;
    int rowOfGuid(const QString &guid) const;
    bool isChecked(int row) const;
    /// Names of every group except the one in exceptRow.
    QStringList names(int exceptRow = -1) const;
    /// Group identifier to name, for the pages that show group names.
    QMap<QString, QString> groupMap() const;

    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override;

signals:
    void signalDataChanged(int iRow);
    // Hand-over from the notify center's thread.
    void signalDeviceRemoved(std::string strDeviceGuid);
    void signalDoorRenamed(std::string strDoorGuid, std::string strName);

private slots:
    void onDeviceRemoved(std::string strDeviceGuid);
    void onDoorRenamed(std::string strDoorGuid, std::string strName);

private:
    void writeRow(int row, const groupData &group);
};

} // namespace visitorclient
