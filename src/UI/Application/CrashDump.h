#pragma once

namespace visitorclient {

/// Sets up crash dumps (directory from CUserDataPath::dumpPath(), one dump kept).
/// Failures are logged and otherwise ignored. Runs on a worker thread at start.
void crashAPIInit();

} // namespace visitorclient
