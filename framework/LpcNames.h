#pragma once
// Fixed names shared by the host and the component it starts.

#include <JSONStruct/Routes/WireNames.h>

namespace clientframework {

/// Name the host's LPC server listens under.
constexpr const char *kLpcServerName = protocol::wire::kFrameworkServerName;
/// Identity the component introduces itself with.
constexpr const char *kComponentIdentity = protocol::wire::kComponentIdentity;
/// Name of the component, also its data folder under the data root.
constexpr const char *kComponentName = "VisitorManagement.C";
/// The host's own data folder under the data root.
constexpr const char *kFrameworkFolder = "Framework.C";

} // namespace clientframework
