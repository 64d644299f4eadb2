#include <Base/DiskDriveUtil.h>

#include <sys/statvfs.h>

namespace Base {
namespace DiskDriveUtil {

bool GetLocalDriveSpace(const std::string &drive, unsigned long long &totalMiB, unsigned long long &freeMiB)
{
    totalMiB = 0;
    freeMiB = 0;
    std::string path = drive.empty() ? std::string("/") : drive;
    struct statvfs st;
    for (;;) {
        if (::statvfs(path.c_str(), &st) == 0)
            break;
        // Walk up to the nearest existing ancestor.
        while (path.size() > 1 && path.back() == '/')
            path.pop_back();
        auto slash = path.find_last_of('/');
        if (slash == std::string::npos || path == "/")
            return false;
        path = slash == 0 ? std::string("/") : path.substr(0, slash);
    }
    const unsigned long long unit = st.f_frsize ? st.f_frsize : st.f_bsize;
    const unsigned long long mib = 1024ull * 1024ull;
    totalMiB = static_cast<unsigned long long>(st.f_blocks) * unit / mib;
    freeMiB = static_cast<unsigned long long>(st.f_bavail) * unit / mib;
    return true;
}

} // namespace DiskDriveUtil
} // namespace Base
