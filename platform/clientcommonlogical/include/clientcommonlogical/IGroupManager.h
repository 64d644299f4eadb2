#pragma once
// Framework-side view of resource groups (areas) and their elements (doors).

#include <clientcommonlogical/IDataSource.h>

#include <memory>
#include <string>
#include <vector>

namespace qorva7310 {

/// One element (door) of a resource group, as it was when it was asked for.
class CLIENTCOMMONLOGICAL_EXPORT IGroupElement
{
public:
    virtual ~IGroupElement() = default;
    virtual std::string id() const = 0;
    virtual std::string name() const = 0;
    virtual std::string areaId() const = 0;
    /// The device the door belongs to.
    virtual std::string deviceId() const = 0;
    /// The door's number on its device.
    virtual int doorNo() const = 0;
    virtual bool isOnline() const = 0;
};

struct GroupElementInfo
{
    std::string id;
    std::string name;
    std::string areaId;
    std::string deviceId;
    int doorNo = 0;
    bool online = false;
};

struct GroupAreaInfo
{
    std::string id;
    std::string name;
    int sequence = 0;
    std::vector<GroupElementInfo> elements; ///< in server order
};

class CLIENTCOMMONLOGICAL_EXPORT IGroupManager : public IDataSource
{
public:
    /// The element doorId of the area areaId, or null when it is unknown or belongs to
    /// another area. Any thread.
    virtual std::shared_ptr<IGroupElement> getElement(const std::string &areaId,
                                                      const std::string &doorId) const = 0;
    /// Every area in display order (by sequence) with its elements. Any thread.
    virtual std::vector<GroupAreaInfo> getAreas() const = 0;
    /// One area with its elements; false when unknown. Any thread.
    virtual bool getArea(const std::string &areaId, GroupAreaInfo &area) const = 0;
    /// One element by its identifier alone; false when unknown. Any thread.
    virtual bool getElementInfo(const std::string &elementId, GroupElementInfo &element) const = 0;
};

} // namespace qorva7310
