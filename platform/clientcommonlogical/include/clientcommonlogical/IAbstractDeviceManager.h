#pragma once
// Framework-side view of the devices the operator may use.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <string>
#include <vector>

namespace qorva7310 {

class CLIENTCOMMONLOGICAL_EXPORT IAbstractDeviceManager
{
public:
    virtual ~IAbstractDeviceManager(); // out of line: Interfaces.cpp
    /// Identifiers of the known devices of the given type numbers (all types when
    /// empty). Any thread.
    virtual std::vector<std::string> deviceIds(const std::vector<int> &types) const = 0;
};

} // namespace qorva7310
