#pragma once
// Process-wide logger over log4cxx. Call sites use the LOG_* macros, which capture
// file, function signature and line. Safe from any thread, before InitLog (messages
// at warn level and above go to stderr) and after UninitLog (likewise).

#include <Base/BaseExport.h>

#include <Base/Singleton.h>

#include <cstdarg>
#include <memory>
#include <string>

namespace Base {
namespace details {

/// Where a log line comes from. The pointers must outlive the call (use literals:
/// __FILE__, __PRETTY_FUNCTION__); the logger keeps them, as log4cxx does.
struct BASE_EXPORT SourceLocation
{
    const char *file;
    const char *function;
    int line;
};

enum class LogLevel
{
    Info,
    Warn,
    Error,
    Fatal
};

class BASE_EXPORT CLog
{
public:
    CLog();
    ~CLog();
    CLog(const CLog &) = delete;
    CLog &operator=(const CLog &) = delete;

    static CLog &instance();

    /// Configures log4cxx from a properties file. A missing or unreadable file falls
    /// back to a built-in configuration: console plus a rolling file "<dir>/logs/
    /// VisitorManagement.log" beside the properties file. Returns false only when the
    /// fallback was used because the file was missing or broken.
    bool InitLog(const std::string &propertiesPath);
    /// Flushes and detaches every appender; later lines go to stderr (warn and above).
    void UninitLog();
    bool isInitialised() const;

    void Info(const SourceLocation &loc, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
    void Warn(const SourceLocation &loc, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
    void Error(const SourceLocation &loc, const char *fmt, ...) __attribute__((format(printf, 3, 4)));
    void Fatal(const SourceLocation &loc, const char *fmt, ...) __attribute__((format(printf, 3, 4)));

    void Log(LogLevel level, const SourceLocation &loc, const char *fmt, va_list args);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace details
} // namespace Base

#define QORVA_LOG_LOCATION ::Base::details::SourceLocation{__FILE__, __PRETTY_FUNCTION__, __LINE__}
#define LOG_INFO(...) ::Base::details::CLog::instance().Info(QORVA_LOG_LOCATION, __VA_ARGS__)
#define LOG_WARN(...) ::Base::details::CLog::instance().Warn(QORVA_LOG_LOCATION, __VA_ARGS__)
#define LOG_ERROR(...) ::Base::details::CLog::instance().Error(QORVA_LOG_LOCATION, __VA_ARGS__)
#define LOG_FATAL(...) ::Base::details::CLog::instance().Fatal(QORVA_LOG_LOCATION, __VA_ARGS__)
