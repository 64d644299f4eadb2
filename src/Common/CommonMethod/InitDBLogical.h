#pragma once
// The component's local databases at start: key set-up from the framework's encrypted
// configuration (once per process), then the schema check of every database.

#include <string>
#include <vector>

namespace comm_method {

/// The name of the component's database (the template table lives in it).
constexpr const char *kComponentDBName = "VisitorManagement";

/// Sets up the keys on the first successful call, then checks and updates the named
/// databases. False, with the fixed log lines, when the configuration is missing or
/// unusable (no key is set and no database is opened then) or the check fails.
bool initComponentDBLogical(const std::vector<std::string> &names);

/// True once keys are set and a check passed: the databases may be opened.
bool isComponentDBReady();

/// The file of a component database: the component's data directory + name.
std::string componentDBFile(const std::string &name);
/// The maintenance directory of the database check (backups, files kept aside).
std::string componentDBMaintainPath();

} // namespace comm_method
