#pragma once
// The transport and settings stored by CommunicationLayerInit, shared by the calls.

#include <CommunicationLayer/CommunicationLayerInit.h>

namespace commlayer {
namespace detail {

/// Copies the stored settings into params; false when the library is not initialised.
bool currentSession(CommunicationLayerInitParams &params);

} // namespace detail
} // namespace commlayer
