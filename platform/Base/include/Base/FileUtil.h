#pragma once
// Directory of the running program, and small file-system helpers.
// Every directory returned ends with '/'.

#include <Base/BaseExport.h>

#include <string>

namespace Base {
namespace FileUtil {

/// Directory that holds the running program (from /proc/self/exe), converted to the local
/// code page (Base::UTF8ToLocal; characters the code page lacks become '?'). Ends with
/// '/'. Returns "./" when the program path cannot be read.
BASE_EXPORT std::string GetCurExeDir();

/// Registers the program directory in UTF-8 (the caller converts GetCurExeDir with
/// Base::LocalToUTF8 first). A missing trailing '/' is added. Call once at start-up;
/// safe from any thread.
BASE_EXPORT void InitCurExeDirUtf8(const std::string &dirUtf8);

/// The directory registered by InitCurExeDirUtf8; before any registration (or after one
/// with an empty text) the program directory read from /proc/self/exe, in UTF-8. Ends
/// with '/'.
BASE_EXPORT std::string GetCurExeDirUtf8();

/// True when path names an existing file or directory.
BASE_EXPORT bool IsPathExist(const std::string &path);

/// Creates path and every missing parent (like mkdir -p, mode 0755 less the umask).
/// True when the directory exists afterwards.
BASE_EXPORT bool CreateDirectories(const std::string &path);

} // namespace FileUtil
} // namespace Base
