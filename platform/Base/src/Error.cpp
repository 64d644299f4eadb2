#include <Base/Error.h>

namespace Base {
namespace Error {

namespace {
thread_local ErrorCode t_lastError;
}

std::string ErrorCode::toString() const
{
    return std::to_string(module) + "-" + std::to_string(code);
}

void SetLastError(const ErrorCode &error)
{
    t_lastError = error;
}

void SetLastError(std::uint32_t module, std::uint32_t code)
{
    t_lastError = ErrorCode(module, code);
}

ErrorCode GetLastError()
{
    return t_lastError;
}

} // namespace Error
} // namespace Base
