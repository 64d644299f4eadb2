#pragma once
// Fixed LPC names shared by the host and the component it starts.

namespace clientframework {

/// Name the host's LPC server listens under.
constexpr const char *kLpcServerName = "Qorva-7310_ClientFramework_LPCServer_7F0AA04D76F64B58AB20037B4D99073F";
/// Identity the component introduces itself with.
constexpr const char *kComponentIdentity = "VisitorManagement.C_50476d36394c4e098ce21c4a4610e8b5";
/// Name of the component, also its data folder under the data root.
constexpr const char *kComponentName = "VisitorManagement.C";
/// The host's own data folder under the data root.
constexpr const char *kFrameworkFolder = "Framework.C";

} // namespace clientframework
