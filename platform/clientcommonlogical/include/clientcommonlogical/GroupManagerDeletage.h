#pragma once
// Group manager of the client-common library: the framework's resource groups (areas)
// and their doors, loaded from the server on a thread of its own and kept current from
// the server's group, element, door and device notifications.

#include <clientcommonlogical/DataSourceDelegate.h>
#include <clientcommonlogical/IGroupManager.h>

#include <memory>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CGroupManagerDeletage
    : public CDataSourceDelegate<qorva7310::IGroupManager>
{
public:
    /// Starts loading at once (the constructor does not wait); until the load ends
    /// every query answers from empty data. Needs the backend library initialised.
    CGroupManagerDeletage();
    /// Waits for a load in progress to end.
    ~CGroupManagerDeletage() override;
    CGroupManagerDeletage(const CGroupManagerDeletage &) = delete;
    CGroupManagerDeletage &operator=(const CGroupManagerDeletage &) = delete;

    std::shared_ptr<qorva7310::IGroupElement> getElement(const std::string &areaId,
                                                         const std::string &doorId) const override;
    std::vector<qorva7310::GroupAreaInfo> getAreas() const override;
    bool getArea(const std::string &areaId, qorva7310::GroupAreaInfo &area) const override;
    bool getElementInfo(const std::string &elementId,
                        qorva7310::GroupElementInfo &element) const override;

private:
    detail::CDataDelegateCore &core() const override;

    class Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace clientcommonlogical
