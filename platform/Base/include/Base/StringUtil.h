#pragma once

#include <Base/BaseExport.h>

#include <cstddef>
#include <string>
#include <vector>

namespace Base {
namespace StringUtil {

/// Removes the characters that file names may not hold: / \ : * ? " < > |
BASE_EXPORT std::string StringEraseInvalidChar(const std::string &text);

/// Splits at every occurrence of separator; empty pieces are kept
/// ("a,,b" -> "a", "", "b"); an empty text gives one empty piece.
BASE_EXPORT std::vector<std::string> SplitString(const std::string &text,
                                                 const std::string &separator);

/// Lowercase hexadecimal text of the bytes, two characters per byte.
BASE_EXPORT std::string Vlue2HexString(const unsigned char *data, std::size_t size);
BASE_EXPORT std::string Vlue2HexString(const std::string &bytes);

} // namespace StringUtil
} // namespace Base
