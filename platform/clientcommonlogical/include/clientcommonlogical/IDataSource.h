#pragma once
// What the framework's data managers (resource groups, devices, organisations) share:
// their data is loaded from the server off the caller's thread, kept current from the
// server's notifications, and listeners hear which items changed.

#include <clientcommonlogical/clientcommonlogicalExport.h>

#include <string>

namespace qorva7310 {

/// The kind of item a change concerns; with an identifier it names the item.
enum class DataKind {
    Area = 1,    ///< resource group
    Element = 2, ///< door of a resource group
    Device = 3,
    Organization = 4,
    Person = 5
};

enum class LoadState {
    NotLoaded,
    Loading, ///< a load runs or was asked for (refresh) and has not ended
    Loaded,  ///< the last load succeeded
    Failed   ///< the last load failed; what was loaded before (if anything) is kept
};

class CLIENTCOMMONLOGICAL_EXPORT IDataChangeListener
{
public:
    virtual ~IDataChangeListener() = default;
    /// The item appeared, changed or vanished: read it again. Called on the manager's
    /// loading thread or on the notify center's delivery thread; must not block or call
    /// back into the manager's listener operations.
    virtual void onItemChanged(DataKind kind, const std::string &id) = 0;
    /// A load ended: anything may differ, read it all again. Same threads as above.
    virtual void onReset() = 0;
};

class CLIENTCOMMONLOGICAL_EXPORT IDataSource
{
public:
    virtual ~IDataSource() = default;
    virtual LoadState loadState() const = 0;
    /// Loads everything again, off the calling thread; listeners get onReset when it
    /// ends. A request during a load runs one more load after it. Any thread.
    virtual void refresh() = 0;
    /// Adds a listener (again: ignored). Any thread.
    virtual void addChangeListener(IDataChangeListener *listener) = 0;
    /// On return the listener is never called again and no call to it is running. Any
    /// thread except from inside the listener's own call.
    virtual void removeChangeListener(IDataChangeListener *listener) = 0;
};

} // namespace qorva7310
