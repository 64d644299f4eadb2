#pragma once
// Conversion between UTF-8 and the product's local code page (GBK unless the
// environment variable QORVA_LOCAL_CODEPAGE names another iconv encoding).
// Characters the target cannot represent are replaced by '?', so byte lengths stay
// meaningful; invalid input bytes are skipped.

#include <Base/BaseExport.h>

#include <string>

namespace Base {

BASE_EXPORT std::string UTF8ToLocal(const std::string &utf8);
BASE_EXPORT std::string LocalToUTF8(const std::string &local);
/// The iconv name of the local code page in effect.
BASE_EXPORT std::string LocalCodePage();

} // namespace Base
