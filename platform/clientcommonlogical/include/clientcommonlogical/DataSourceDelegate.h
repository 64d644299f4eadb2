#pragma once
// The IDataSource part shared by the framework-data delegates: loading state, reload and
// change listeners, answered by the delegate's loading core.

#include <clientcommonlogical/IDataSource.h>
#include <clientcommonlogical/clientcommonlogicalExport.h>

namespace clientcommonlogical {
namespace detail {
class CDataDelegateCore;
}

/// Instantiated in the library for IGroupManager, IAbstractDeviceManager and IDataSource.
template <class Interface> class CLIENTCOMMONLOGICAL_EXPORT CDataSourceDelegate : public Interface
{
public:
    qorva7310::LoadState loadState() const override;
    void refresh() override;
    void addChangeListener(qorva7310::IDataChangeListener *listener) override;
    void removeChangeListener(qorva7310::IDataChangeListener *listener) override;

protected:
    virtual detail::CDataDelegateCore &core() const = 0;
};

} // namespace clientcommonlogical
