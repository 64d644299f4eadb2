#pragma once
// The schema of the component's database, as numbered migrations for the database check.

namespace visitorclient {

/// Registers the migrations of the "VisitorManagement" database; call before the check.
void registerComponentSchema();

} // namespace visitorclient
