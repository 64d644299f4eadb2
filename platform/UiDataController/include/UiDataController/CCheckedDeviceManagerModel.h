#pragma once
// The devices of chosen types, one row each, over a device manager: the name as display
// text, DeviceIdRole, DeviceNameRole, DeviceOnlineRole, DeviceTypeRole, the address as
// tool tip, offline devices in the secondary text colour and, when the node parameter
// asks for it, a tick box (Qt::CheckStateRole) that survives renames, online changes and
// reloads. Rows in server order. GUI thread only.

#include <UiDataController/CDataItemModel.h>
#include <UiDataController/ModelRoles.h>

#include <clientcommonlogical/IAbstractDeviceManager.h>

#include <QStringList>

#include <vector>

namespace UiDataController {

struct VideoDeviceNodeParam
{
    /// 1: every device row carries a tick box; 0: plain rows.
    int iCheckable = 1;
    /// Device type numbers to list (e.g. 108, 109, 102: access controllers); empty
    /// lists every device.
    std::vector<int> vecDeviceType;
};

class UIDATACONTROLLER_EXPORT CCheckedDeviceManagerModel : public CDataItemModel
{
    Q_OBJECT
public:
    CCheckedDeviceManagerModel(const VideoDeviceNodeParam &param,
                               std::shared_ptr<qorva7310::IAbstractDeviceManager> deviceManager,
                               QObject *parent = nullptr);
    ~CCheckedDeviceManagerModel() override;

    QModelIndex GetDeviceIndexByDeviceID(const QString &deviceId) const;
    /// The ticked devices, in row order.
    QStringList GetCheckedDeviceIDs() const;

protected:
    void reload() override;
    void itemChanged(qorva7310::DataKind kind, const std::string &id) override;

private:
    bool listed(const qorva7310::DeviceInfo &device) const;
    void syncDevice(const qorva7310::DeviceInfo &device);
    void removeDevice(const std::string &deviceId);
    void setDeviceData(QStandardItem *item, const qorva7310::DeviceInfo &device);

    VideoDeviceNodeParam m_param;
    std::shared_ptr<qorva7310::IAbstractDeviceManager> m_manager;
    ItemMap m_deviceItems;
};

} // namespace UiDataController
