#include <clientcommonlogical/DeviceManagerDelegate.h>

namespace clientcommonlogical {

std::vector<std::string> CDeviceManagerDelegate::deviceIds(const std::vector<int> &) const
{
    return {};
}

} // namespace clientcommonlogical
