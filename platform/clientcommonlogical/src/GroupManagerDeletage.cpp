#include <clientcommonlogical/GroupManagerDeletage.h>

namespace clientcommonlogical {

std::shared_ptr<qorva7310::IGroupElement> CGroupManagerDeletage::getElement(const std::string &,
                                                                           const std::string &) const
{
    return nullptr;
}

} // namespace clientcommonlogical
