#pragma once
// Device manager of the client-common library. Without a framework data source it
// knows no devices yet.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <clientcommonlogical/IAbstractDeviceManager.h>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CDeviceManagerDelegate : public qorva7310::IAbstractDeviceManager
{
public:
    CDeviceManagerDelegate() = default;
    std::vector<std::string> deviceIds(const std::vector<int> &types) const override;
};

} // namespace clientcommonlogical
