#pragma once
// Device manager of the client-common library: the framework's devices with type,
// address and online state, loaded from the server on a thread of its own and kept
// current from the server's device notifications.

#include <clientcommonlogical/DataSourceDelegate.h>
#include <clientcommonlogical/IAbstractDeviceManager.h>

#include <memory>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CDeviceManagerDelegate
    : public CDataSourceDelegate<qorva7310::IAbstractDeviceManager>
{
public:
    /// Starts loading at once (the constructor does not wait); until the load ends
    /// every query answers from empty data. Needs the backend library initialised.
    CDeviceManagerDelegate();
    /// Waits for a load in progress to end.
    ~CDeviceManagerDelegate() override;
    CDeviceManagerDelegate(const CDeviceManagerDelegate &) = delete;
    CDeviceManagerDelegate &operator=(const CDeviceManagerDelegate &) = delete;

    std::vector<std::string> deviceIds(const std::vector<int> &types) const override;
    std::vector<qorva7310::DeviceInfo> getDevices(const std::vector<int> &types) const override;
    bool getDevice(const std::string &deviceId, qorva7310::DeviceInfo &device) const override;
    std::string getDeviceName(const std::string &deviceId) const override;

private:
    detail::CDataDelegateCore &core() const override;

    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace clientcommonlogical
