#pragma once
// Framework-side view of the devices the operator may use.

#include <clientcommonlogical/IDataSource.h>

#include <string>
#include <vector>

namespace qorva7310 {

struct DeviceInfo
{
    std::string id;
    std::string name;
    int type = 0; ///< device type number, e.g. 108, 109, 102 for access controllers
    std::string ip;
    int port = 0;
    bool online = false;
};

class CLIENTCOMMONLOGICAL_EXPORT IAbstractDeviceManager : public IDataSource
{
public:
    /// Identifiers of the known devices of the given type numbers (all types when
    /// empty), in server order. Any thread.
    virtual std::vector<std::string> deviceIds(const std::vector<int> &types) const = 0;
    /// The known devices of the given type numbers (all when empty), in server order.
    virtual std::vector<DeviceInfo> getDevices(const std::vector<int> &types) const = 0;
    /// One device; false when unknown. Any thread.
    virtual bool getDevice(const std::string &deviceId, DeviceInfo &device) const = 0;
    /// The device's name, empty when the device is unknown. Any thread.
    virtual std::string getDeviceName(const std::string &deviceId) const = 0;
};

} // namespace qorva7310
