#include <lpc_wire/PeerCredentials.h>

#include <sys/socket.h>

namespace lpcwire {

bool peerUid(int socketFd, uid_t &uid)
{
    struct ucred cred
    {
    };
    socklen_t len = sizeof(cred);
    if (::getsockopt(socketFd, SOL_SOCKET, SO_PEERCRED, &cred, &len) != 0 || len != sizeof(cred))
        return false;
    uid = cred.uid;
    return true;
}

bool isPeerUidAllowed(uid_t peer, uid_t own)
{
    return peer == own;
}

} // namespace lpcwire
