#pragma once

#include <Base/BaseExport.h>

#include <string>

namespace Base {
namespace DiskDriveUtil {

/// Size and free space of the file system that holds drive, in MiB (1024 * 1024 bytes,
/// rounded down). drive is any path on that file system (a Windows-style drive such as
/// "C:" means nothing here; an empty text means "/"); a path that does not exist yet is
/// measured at its nearest existing ancestor. freeMiB is the space available to the
/// calling user (statvfs f_bavail), which can be less than what root could use.
/// Returns false (outputs set to 0) when no existing directory is found or statvfs fails.
BASE_EXPORT bool GetLocalDriveSpace(const std::string &drive, unsigned long long &totalMiB,
                                    unsigned long long &freeMiB);

/// The same for callers holding other 64-bit types (std::uint64_t, qint64).
inline bool GetLocalDriveSpace(const std::string &drive, unsigned long &totalMiB, unsigned long &freeMiB)
{
    unsigned long long t = 0, f = 0;
    const bool ok = GetLocalDriveSpace(drive, t, f);
    totalMiB = static_cast<unsigned long>(t);
    freeMiB = static_cast<unsigned long>(f);
    return ok;
}
inline bool GetLocalDriveSpace(const std::string &drive, long long &totalMiB, long long &freeMiB)
{
    unsigned long long t = 0, f = 0;
    const bool ok = GetLocalDriveSpace(drive, t, f);
    totalMiB = static_cast<long long>(t);
    freeMiB = static_cast<long long>(f);
    return ok;
}

} // namespace DiskDriveUtil
} // namespace Base
