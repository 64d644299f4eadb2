#pragma once
// Where the LPC sockets live: $QORVA_LPC_DIR, else $XDG_RUNTIME_DIR/qorva-lpc, else
// /tmp/qorva-lpc-<uid>. The directory is private to the user (mode 0700) and each socket
// file is named after its server name.

#include <string>

namespace lpcwire {

/// Longest path that fits sockaddr_un::sun_path with its terminating NUL.
std::size_t maxSocketPathLength();

/// The socket directory for this process (environment read on every call).
std::string socketDirectory();

/// Creates the directory (and missing parents of an overridden one) with mode 0700, or
/// checks an existing one: it must be a real directory owned by this user; looser
/// permissions are tightened to 0700. Returns false with a reason in error.
bool ensureSocketDirectory(const std::string &dir, std::string &error);

/// dir + "/" + serverName after checking the name (non-empty, no '/', not "." or "..")
/// and the sun_path limit. Returns an empty string with a reason in error on failure.
std::string socketPathFor(const std::string &dir, const std::string &serverName,
                          std::string &error);

/// True when the path exists and is a socket file.
bool isSocketFile(const std::string &path);

} // namespace lpcwire
