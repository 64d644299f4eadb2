#pragma once

namespace visitorclient {

/// Registers the component's resources (":/VisitorManagement/..."); they live in a
/// static library, so nothing registers them before this call. Idempotent.
void initVisitorResources();

} // namespace visitorclient
