#include <lpc_wire/SocketPath.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace lpcwire {
namespace {

std::string envValue(const char *name)
{
    const char *v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

bool makeOne(const std::string &dir, bool isLeaf, std::string &error)
{
    if (::mkdir(dir.c_str(), isLeaf ? 0700 : 0755) == 0 || errno == EEXIST)
        return true;
    error = "cannot create directory [" + dir + "]: " + std::strerror(errno);
    return false;
}

} // namespace

std::size_t maxSocketPathLength()
{
    return sizeof(sockaddr_un::sun_path) - 1;
}

std::string socketDirectory()
{
    std::string dir = envValue("QORVA_LPC_DIR");
    if (!dir.empty())
        return dir;
    dir = envValue("XDG_RUNTIME_DIR");
    if (!dir.empty())
        return dir + "/qorva-lpc";
    return "/tmp/qorva-lpc-" + std::to_string(::getuid());
}

bool ensureSocketDirectory(const std::string &dir, std::string &error)
{
    if (dir.empty()) {
        error = "empty socket directory";
        return false;
    }
    // Missing parents of an overridden directory are created on the way.
    for (std::size_t pos = dir.find('/', 1); pos != std::string::npos;
         pos = dir.find('/', pos + 1)) {
        if (!makeOne(dir.substr(0, pos), false, error))
            return false;
    }
    if (!makeOne(dir, true, error))
        return false;
    struct stat st
    {
    };
    if (::lstat(dir.c_str(), &st) != 0) {
        error = "cannot stat [" + dir + "]: " + std::strerror(errno);
        return false;
    }
    if (!S_ISDIR(st.st_mode)) {
        error = "[" + dir + "] is not a directory";
        return false;
    }
    if (st.st_uid != ::getuid()) {
        error = "[" + dir + "] belongs to uid " + std::to_string(st.st_uid) + ", not to this user";
        return false;
    }
    if ((st.st_mode & 0777) != 0700 && ::chmod(dir.c_str(), 0700) != 0) {
        error = "cannot restrict [" + dir + "] to mode 0700: " + std::strerror(errno);
        return false;
    }
    return true;
}

std::string socketPathFor(const std::string &dir, const std::string &serverName, std::string &error)
{
    if (serverName.empty() || serverName == "." || serverName == ".." ||
        serverName.find('/') != std::string::npos || serverName.find('\0') != std::string::npos) {
        error = "invalid server name [" + serverName + "]";
        return {};
    }
    std::string path = dir;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += serverName;
    if (path.size() > maxSocketPathLength()) {
        error = "socket path [" + path + "] is " + std::to_string(path.size()) +
                " bytes, longer than the " + std::to_string(maxSocketPathLength()) +
                " that a Unix socket address holds; " + "set QORVA_LPC_DIR to a shorter directory";
        return {};
    }
    return path;
}

bool isSocketFile(const std::string &path)
{
    struct stat st
    {
    };
    return ::lstat(path.c_str(), &st) == 0 && S_ISSOCK(st.st_mode);
}

} // namespace lpcwire
