#include <Base/Encoding.h>
#include <Base/FileUtil.h>

#include <mutex>
#include <system_error>
#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace Base {
namespace FileUtil {

namespace {

std::mutex g_mutex;
std::string g_exeDirUtf8;

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

std::string exeDirFromProc()
{
    std::string buf(4096, '\0');
    for (;;) {
        ssize_t n = ::readlink("/proc/self/exe", &buf[0], buf.size());
        if (n <= 0)
            return "./";
        if (static_cast<std::size_t>(n) < buf.size()) {
            buf.resize(static_cast<std::size_t>(n));
            break;
        }
        buf.resize(buf.size() * 2);
    }
    auto slash = buf.find_last_of('/');
    if (slash == std::string::npos)
        return "./";
    return buf.substr(0, slash + 1);
}

} // namespace

std::string GetCurExeDir()
{
    return withSlash(UTF8ToLocal(exeDirFromProc()));
}

void InitCurExeDirUtf8(const std::string &dirUtf8)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    g_exeDirUtf8 = dirUtf8.empty() ? std::string() : withSlash(dirUtf8);
}

std::string GetCurExeDirUtf8()
{
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        if (!g_exeDirUtf8.empty())
            return g_exeDirUtf8;
    }
    return withSlash(exeDirFromProc());
}

bool IsPathExist(const std::string &path)
{
    struct stat st;
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool CreateDirectories(const std::string &path)
{
    if (path.empty())
        return false;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path), ec);
    return std::filesystem::is_directory(std::filesystem::path(path), ec);
}

} // namespace FileUtil
} // namespace Base
