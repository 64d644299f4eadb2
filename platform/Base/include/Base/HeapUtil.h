#pragma once

#include <Base/BaseExport.h>

namespace Base {
namespace HeapUtil {

/// Lets the process keep memory it frees for its next allocations instead of handing it
/// back to the system at once. Page changes and exports build and free a few megabytes of
/// text, trees and records each time; with glibc's default thresholds that memory is
/// returned after every page and faulted in again on the next one. The heap now keeps up
/// to 64 MiB free at its top, and blocks under 32 MiB come from the heap rather than from
/// their own mappings. Call once, first thing in main(), before threads start.
/// Leaves glibc alone and returns false when the environment already tunes malloc
/// (GLIBC_TUNABLES naming malloc, or MALLOC_TRIM_THRESHOLD_ / MALLOC_MMAP_THRESHOLD_),
/// or when the allocator refuses the settings (sanitizer builds replace malloc).
BASE_EXPORT bool KeepFreedMemory();

} // namespace HeapUtil
} // namespace Base
