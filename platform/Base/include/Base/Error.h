#pragma once
// Error codes: a module number and a code number. Text form "<module>-<code>", "0-0"
// is success. Each thread keeps its own last error.

#include <Base/BaseExport.h>

#include <cstdint>
#include <string>

namespace Base {
namespace Error {

struct BASE_EXPORT ErrorCode
{
    std::uint32_t module = 0;
    std::uint32_t code = 0;

    constexpr ErrorCode() = default;
    constexpr ErrorCode(std::uint32_t moduleNo, std::uint32_t codeNo) : module(moduleNo), code(codeNo) {}

    constexpr bool isSuccess() const { return module == 0 && code == 0; }
    std::string toString() const;

    friend constexpr bool operator==(const ErrorCode &a, const ErrorCode &b)
    {
        return a.module == b.module && a.code == b.code;
    }
    friend constexpr bool operator!=(const ErrorCode &a, const ErrorCode &b) { return !(a == b); }
};

/// Per-thread last error; a fresh thread starts with 0-0.
BASE_EXPORT void SetLastError(const ErrorCode &error);
BASE_EXPORT void SetLastError(std::uint32_t module, std::uint32_t code);
BASE_EXPORT ErrorCode GetLastError();

} // namespace Error
} // namespace Base
