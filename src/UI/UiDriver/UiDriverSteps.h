#pragma once
// The UI driver's steps: one table, one handler per step. A page adds its own steps by
// adding rows to the table in UiDriverSteps.cpp (keep them in alphabetical order there).

#include "UiDriverSupport.h"

#include <vector>

namespace visitorclient {
namespace uidriver {

struct StepEntry
{
    const char *name;
    /// Arguments after the name, as shown in error messages and the grammar.
    const char *usage;
    int minArgs;
    StepOutcome (*run)(const QStringList &args);
};

const std::vector<StepEntry> &stepTable();

/// Runs the first part of one step line: words, table look-up, argument count, handler.
/// A pending outcome is for the caller to poll.
StepOutcome startStep(const QString &line);

} // namespace uidriver
} // namespace visitorclient
