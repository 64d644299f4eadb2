#pragma once

#include <Base/BaseExport.h>

#include <string>

namespace Base {
namespace GuidUtil {

/// A new random identifier: 32 lowercase hexadecimal characters (a version-4 UUID without
/// dashes; 122 random bits from OpenSSL's RAND_bytes, or std::random_device should
/// RAND_bytes ever fail). Safe from any thread.
BASE_EXPORT std::string CreateGuid();

} // namespace GuidUtil
} // namespace Base
