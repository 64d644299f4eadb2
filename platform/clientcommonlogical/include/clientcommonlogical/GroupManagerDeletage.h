#pragma once
// Group manager of the client-common library. Without a framework data source it knows
// no elements yet (every door counts as offline).

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <clientcommonlogical/IGroupManager.h>

namespace clientcommonlogical {

class CLIENTCOMMONLOGICAL_EXPORT CGroupManagerDeletage : public qorva7310::IGroupManager
{
public:
    CGroupManagerDeletage() = default;
    std::shared_ptr<qorva7310::IGroupElement> getElement(const std::string &areaId,
                                                         const std::string &doorId) const override;
};

} // namespace clientcommonlogical
