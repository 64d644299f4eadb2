#include <Base/Log.h>
#include <Base/LogCapture.h>

#include <log4cxx/basicconfigurator.h>
#include <log4cxx/helpers/properties.h>
#include <log4cxx/logger.h>
#include <log4cxx/logmanager.h>
#include <log4cxx/propertyconfigurator.h>
#include <log4cxx/spi/location/locationinfo.h>

#include <atomic>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <mutex>
#include <shared_mutex>
#include <vector>

#include <unistd.h>

namespace Base {
namespace details {

namespace {

const char *levelName(LogLevel level)
{
    switch (level) {
    case LogLevel::Info: return "INFO";
    case LogLevel::Warn: return "WARN";
    case LogLevel::Error: return "ERROR";
    case LogLevel::Fatal: return "FATAL";
    }
    return "INFO";
}

log4cxx::LevelPtr toLog4cxx(LogLevel level)
{
    switch (level) {
    case LogLevel::Info: return log4cxx::Level::getInfo();
    case LogLevel::Warn: return log4cxx::Level::getWarn();
    case LogLevel::Error: return log4cxx::Level::getError();
    case LogLevel::Fatal: return log4cxx::Level::getFatal();
    }
    return log4cxx::Level::getInfo();
}

const char *shortName(const char *file)
{
    const char *slash = std::strrchr(file, '/');
    return slash ? slash + 1 : file;
}

// log4cxx garbles non-ASCII text unless LC_CTYPE is a UTF-8 locale.
void ensureUtf8Locale()
{
    const char *current = std::setlocale(LC_CTYPE, nullptr);
    auto isUtf8 = [](const char *l) {
        return l && (std::strstr(l, "UTF-8") || std::strstr(l, "utf8") || std::strstr(l, "UTF8"));
    };
    if (isUtf8(current))
        return;
    if (isUtf8(std::setlocale(LC_CTYPE, "")))
        return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

std::string exeBaseName()
{
    char buf[4096];
    ssize_t n = ::readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0)
        return "qorva";
    buf[n] = '\0';
    return shortName(buf);
}

std::atomic<bool> g_processExiting{false};

} // namespace

// Sinks of CLogCapture instances; a plain registry keeps CLog free of test concerns.
class LogSinkRegistry
{
public:
    using Sink = std::function<void(const CapturedLogLine &)>;
    static LogSinkRegistry &instance()
    {
        static LogSinkRegistry r;
        return r;
    }
    int add(Sink sink)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_sinks.emplace_back(++m_nextId, std::move(sink));
        m_any = true;
        return m_nextId;
    }
    void remove(int id)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
            if (it->first == id) {
                m_sinks.erase(it);
                break;
            }
        }
        m_any = !m_sinks.empty();
    }
    bool any() const { return m_any.load(std::memory_order_acquire); }
    void publish(const CapturedLogLine &line)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        for (auto &s : m_sinks)
            s.second(line);
    }

private:
    std::mutex m_mutex;
    std::vector<std::pair<int, Sink>> m_sinks;
    int m_nextId = 0;
    std::atomic<bool> m_any{false};
};

struct CLog::Impl
{
    std::shared_mutex configMutex;
    std::atomic<bool> initialised{false};
    log4cxx::LoggerPtr logger;
    bool atexitRegistered = false;
};

CLog::CLog() : d(new Impl) {}

// Never touches log4cxx: its statics may already be gone when this runs.
CLog::~CLog() = default;

CLog &CLog::instance()
{
    static CLog log;
    return log;
}

bool CLog::InitLog(const std::string &propertiesPath)
{
    std::unique_lock<std::shared_mutex> lock(d->configMutex);
    ensureUtf8Locale();
    log4cxx::LogManager::resetConfiguration();

    bool fileOk = false;
    std::ifstream probe(propertiesPath);
    if (probe.good() && probe.peek() != std::ifstream::traits_type::eof()) {
        probe.close();
        auto status = log4cxx::PropertyConfigurator::configure(log4cxx::File(propertiesPath));
        fileOk = status == log4cxx::spi::ConfigurationStatus::Configured
                 && !log4cxx::Logger::getRootLogger()->getAllAppenders().empty();
    }
    if (!fileOk) {
        log4cxx::LogManager::resetConfiguration();
        std::string dir = propertiesPath;
        auto slash = dir.find_last_of('/');
        dir = slash == std::string::npos ? std::string(".") : dir.substr(0, slash);
        log4cxx::helpers::Properties props;
        const std::string pattern = "%d{yyyy-MM-dd HH:mm:ss.SSS} [%t] %-5p %f:%L %M - %m%n";
        props.setProperty("log4j.rootLogger", "INFO, console, file");
        props.setProperty("log4j.appender.console", "org.apache.log4j.ConsoleAppender");
        props.setProperty("log4j.appender.console.Target", "System.err");
        props.setProperty("log4j.appender.console.Threshold", "WARN");
        props.setProperty("log4j.appender.console.layout", "org.apache.log4j.PatternLayout");
        props.setProperty("log4j.appender.console.layout.ConversionPattern", pattern);
        props.setProperty("log4j.appender.file", "org.apache.log4j.RollingFileAppender");
        props.setProperty("log4j.appender.file.File", dir + "/logs/" + exeBaseName() + ".log");
        props.setProperty("log4j.appender.file.MaxFileSize", "10MB");
        props.setProperty("log4j.appender.file.MaxBackupIndex", "5");
        props.setProperty("log4j.appender.file.Append", "true");
        props.setProperty("log4j.appender.file.layout", "org.apache.log4j.PatternLayout");
        props.setProperty("log4j.appender.file.layout.ConversionPattern", pattern);
        log4cxx::PropertyConfigurator::configure(props);
    }
    d->logger = log4cxx::Logger::getRootLogger();
    d->initialised.store(true, std::memory_order_release);
    if (!d->atexitRegistered) {
        // Runs before log4cxx's own statics are destroyed: later lines go to stderr.
        std::atexit([] { g_processExiting.store(true); });
        d->atexitRegistered = true;
    }
    return fileOk;
}

void CLog::UninitLog()
{
    std::unique_lock<std::shared_mutex> lock(d->configMutex);
    if (!d->initialised.exchange(false))
        return;
    log4cxx::Logger::getRootLogger()->removeAllAppenders();
    d->logger.reset();
}

bool CLog::isInitialised() const
{
    return d->initialised.load(std::memory_order_acquire) && !g_processExiting.load();
}

void CLog::Log(LogLevel level, const SourceLocation &loc, const char *fmt, va_list args)
{
    char stackBuf[1024];
    std::string heapBuf;
    const char *text = stackBuf;
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(stackBuf, sizeof(stackBuf), fmt ? fmt : "", copy);
    va_end(copy);
    if (n < 0) {
        text = "(bad log format)";
        n = static_cast<int>(std::strlen(text));
    } else if (static_cast<size_t>(n) >= sizeof(stackBuf)) {
        heapBuf.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(&heapBuf[0], heapBuf.size(), fmt, args);
        heapBuf.resize(static_cast<size_t>(n));
        text = heapBuf.c_str();
    }

    auto &sinks = LogSinkRegistry::instance();
    if (sinks.any())
        sinks.publish(CapturedLogLine{level, std::string(text, static_cast<size_t>(n)),
                                      shortName(loc.file), loc.function, loc.line});

    if (isInitialised()) {
        std::shared_lock<std::shared_mutex> lock(d->configMutex);
        if (d->logger) {
            d->logger->forcedLog(toLog4cxx(level), std::string(text, static_cast<size_t>(n)),
                                 log4cxx::spi::LocationInfo(loc.file, shortName(loc.file),
                                                            loc.function, loc.line));
            return;
        }
    }
    if (level != LogLevel::Info)
        std::fprintf(stderr, "%s %s:%d - %s\n", levelName(level), shortName(loc.file), loc.line, text);
}

#define QORVA_LOG_FORWARD(LEVEL)                                                                   \
    va_list args;                                                                                  \
    va_start(args, fmt);                                                                           \
    Log(LEVEL, loc, fmt, args);                                                                    \
    va_end(args)

void CLog::Info(const SourceLocation &loc, const char *fmt, ...) { QORVA_LOG_FORWARD(LogLevel::Info); }
void CLog::Warn(const SourceLocation &loc, const char *fmt, ...) { QORVA_LOG_FORWARD(LogLevel::Warn); }
void CLog::Error(const SourceLocation &loc, const char *fmt, ...) { QORVA_LOG_FORWARD(LogLevel::Error); }
void CLog::Fatal(const SourceLocation &loc, const char *fmt, ...) { QORVA_LOG_FORWARD(LogLevel::Fatal); }

#undef QORVA_LOG_FORWARD

struct CLogCapture::Impl
{
    mutable std::mutex mutex;
    std::vector<CapturedLogLine> lines;
    int sinkId = 0;
};

CLogCapture::CLogCapture() : d(new Impl)
{
    Impl *impl = d.get();
    d->sinkId = LogSinkRegistry::instance().add([impl](const CapturedLogLine &line) {
        std::lock_guard<std::mutex> lock(impl->mutex);
        impl->lines.push_back(line);
    });
}

CLogCapture::~CLogCapture()
{
    LogSinkRegistry::instance().remove(d->sinkId);
}

std::vector<CapturedLogLine> CLogCapture::lines() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->lines;
}

std::vector<std::string> CLogCapture::messages() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    std::vector<std::string> out;
    out.reserve(d->lines.size());
    for (const auto &l : d->lines)
        out.push_back(l.message);
    return out;
}

bool CLogCapture::contains(const std::string &message) const
{
    return indexOf(message) >= 0;
}

int CLogCapture::indexOf(const std::string &message, int from) const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    for (size_t i = static_cast<size_t>(from < 0 ? 0 : from); i < d->lines.size(); ++i) {
        if (d->lines[i].message == message)
            return static_cast<int>(i);
    }
    return -1;
}

void CLogCapture::clear()
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->lines.clear();
}

} // namespace details
} // namespace Base
