#pragma once
// Error texts of the backend's answers, so that a failed page operation shows words: the
// server's and the backend library's codes (modules 20 and 68, from the route table) and
// the transport's (module 67: the LPC link's errors; 1-7: an answer that could not be
// read). The texts are English sources, translated in the context "CErrorInfoMgr" when
// shown.

#include <cstdint>
#include <vector>

namespace visitorclient {

struct ErrorTextEntry
{
    std::uint32_t module;
    std::uint32_t code;
    const char *text;
};

/// Every pair registerErrorTexts() registers, with its text.
std::vector<ErrorTextEntry> backendErrorTexts();

/// Registers backendErrorTexts() with UiDataController::CErrorInfoMgr. Called once at
/// component start; again is harmless. Any thread.
void registerErrorTexts();

} // namespace visitorclient
