#pragma once
// The doors of one group with the name of each door's resource group. Renamed resource
// groups and doors reported by the server are handed to the GUI thread and applied to
// the rows there.

#include "AccessGroupData.h"

#include <clientcommonlogical/INotifyCenterManagerObserver.h>

#include <QorvaGUIToolkit/CTreeViewModel.h>

#include <functional>

namespace visitorclient {

class CAccessGroupDoorInfoModel : public QorvaGUIToolkit::CTreeViewModel,
                                  public clientcommonlogical::INotifyCenterManagerObserver
{
    Q_OBJECT
public:
    enum Column { DoorColumn = 0, GroupNameColumn, ColumnCount };
    enum Role { ResourceGroupIdRole = 1257, DoorIdRole = 1258 };

    /// Name of a resource group, false when it cannot be read. The default asks the
    /// server (single-group lookup) on the calling thread.
    using GroupNameLookup = std::function<bool(const std::string &groupGuid, std::string &name)>;

    explicit CAccessGroupDoorInfoModel(QObject *parent = nullptr);
    ~CAccessGroupDoorInfoModel() override;

    /// Replaces the rows by the doors of group, in door order. GUI thread; blocks for the
    /// resource-group lookups (one per resource group of the group).
    void setGroup(const groupData &group);
    void clearDoors();
    void setGroupNameLookup(GroupNameLookup lookup);

    void onNotify(const std::shared_ptr<protocol::IWebsocketData> &data) override;

signals:
    void signalGroupNameChanged(std::string strGuid, std::string strName);
    void signalDoorNameChanged(std::string strGuid, std::string strName);

private slots:
    void onGroupNameChanged(std::string strGuid, std::string strName);
    void onDoorNameChanged(std::string strGuid, std::string strName);

private:
    void renameRows(int column, int role, const std::string &guid, const std::string &name);

    GroupNameLookup m_lookup;
};

} // namespace visitorclient
