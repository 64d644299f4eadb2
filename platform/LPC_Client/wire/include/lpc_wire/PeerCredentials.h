#pragma once
// Who is on the other end of a Unix socket (SO_PEERCRED) and whether we talk to them.

#include <sys/types.h>

namespace lpcwire {

/// The uid of the peer of a connected Unix socket; false when the kernel cannot tell.
bool peerUid(int socketFd, uid_t &uid);

/// Only the same user may use the link; root is not exempt, as a root peer usually
/// means a misconfigured service rather than the operator's own component.
bool isPeerUidAllowed(uid_t peer, uid_t own);

} // namespace lpcwire
