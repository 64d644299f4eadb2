#include <Base/HeapUtil.h>

#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace Base {
namespace HeapUtil {

namespace {

const int kTrimThreshold = 64 << 20;
const int kMmapThreshold = 32 << 20;

bool environmentTunesMalloc()
{
    const char *tunables = std::getenv("GLIBC_TUNABLES");
    if (tunables != nullptr && std::strstr(tunables, "malloc") != nullptr)
        return true;
    return std::getenv("MALLOC_TRIM_THRESHOLD_") != nullptr ||
           std::getenv("MALLOC_MMAP_THRESHOLD_") != nullptr;
}

} // namespace

bool KeepFreedMemory()
{
    if (environmentTunesMalloc())
        return false;
    // Setting either value also ends glibc's sliding thresholds, which would otherwise
    // move them back after the first large block is freed.
    return mallopt(M_MMAP_THRESHOLD, kMmapThreshold) == 1 &&
           mallopt(M_TRIM_THRESHOLD, kTrimThreshold) == 1;
}

} // namespace HeapUtil
} // namespace Base
