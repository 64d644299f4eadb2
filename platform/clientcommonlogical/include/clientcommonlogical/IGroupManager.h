#pragma once
// Framework-side view of resource groups (areas) and their elements (doors).

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <memory>
#include <string>

namespace qorva7310 {

/// One element (door) of a resource group.
class CLIENTCOMMONLOGICAL_EXPORT IGroupElement
{
public:
    virtual ~IGroupElement(); // out of line: Interfaces.cpp
    virtual std::string id() const = 0;
    virtual bool isOnline() const = 0;
};

class CLIENTCOMMONLOGICAL_EXPORT IGroupManager
{
public:
    virtual ~IGroupManager(); // out of line: Interfaces.cpp
    /// The element doorId of the area areaId, or null when it is unknown. Any thread.
    virtual std::shared_ptr<IGroupElement> getElement(const std::string &areaId,
                                                      const std::string &doorId) const = 0;
};

} // namespace qorva7310
