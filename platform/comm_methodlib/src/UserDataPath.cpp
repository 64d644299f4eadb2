#include <comm_methodlib/UserDataPath.h>

#include <Base/Encoding.h>
#include <Base/FileUtil.h>
#include <Base/Log.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace comm_methodlib {

namespace {

namespace fs = std::filesystem;

std::string withSlash(std::string dir)
{
    if (dir.empty() || dir.back() != '/')
        dir.push_back('/');
    return dir;
}

bool isValidUtf8(const std::string &s)
{
    std::size_t i = 0;
    while (i < s.size()) {
        unsigned char c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > s.size())
            return false;
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += n;
    }
    return true;
}

std::string normalisedRoot(const std::string &input)
{
    std::string root = isValidUtf8(input) ? input : Base::LocalToUTF8(input);
    fs::path p(root);
    std::error_code ec;
    if (p.is_relative()) {
        fs::path cwd = fs::current_path(ec);
        if (!ec)
            p = cwd / p;
    }
    std::string out = p.lexically_normal().string();
    return withSlash(out);
}

// Creates a probe file: the only test that holds for root as well as for other users.
bool isWritableDir(const std::string &dir)
{
    std::string probe = dir + ".qorva-write-probe-XXXXXX";
    int fd = ::mkstemp(&probe[0]);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string homeDir()
{
    const char *home = std::getenv("HOME");
    if (home && *home)
        return withSlash(home);
    struct passwd pw;
    struct passwd *result = nullptr;
    char buf[4096];
    if (::getpwuid_r(::getuid(), &pw, buf, sizeof(buf), &result) == 0 && result && result->pw_dir)
        return withSlash(result->pw_dir);
    return "/tmp/";
}

// Expands "$HOME/x" and "${HOME}/x" as xdg-user-dirs writes them.
std::string expandHome(std::string value, const std::string &home)
{
    const std::string homeNoSlash = home.substr(0, home.size() - 1);
    for (const char *var : {"${HOME}", "$HOME"}) {
        if (value.rfind(var, 0) == 0)
            return homeNoSlash + value.substr(std::strlen(var));
    }
    return value;
}

std::string documentsDir()
{
    const std::string home = homeDir();
    const char *env = std::getenv("XDG_DOCUMENTS_DIR");
    if (env && *env)
        return withSlash(expandHome(env, home));
    const char *configHome = std::getenv("XDG_CONFIG_HOME");
    std::string config = configHome && *configHome ? withSlash(configHome) : home + ".config/";
    std::ifstream in(config + "user-dirs.dirs");
    std::string line;
    while (std::getline(in, line)) {
        const std::string key = "XDG_DOCUMENTS_DIR=";
        auto pos = line.find(key);
        if (pos == std::string::npos || line.find_first_not_of(" \t") != pos)
            continue;
        std::string value = line.substr(pos + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (!value.empty())
            return withSlash(expandHome(value, home));
    }
    return home + "Documents/";
}

std::string defaultProperties(const std::string &logDir, const std::string &component)
{
    std::ostringstream out;
    const char *pattern = "%d{yyyy-MM-dd HH:mm:ss.SSS} [%t] %-5p %f:%L %M - %m%n";
    out << "# Default logger configuration written by comm_methodlib::CUserDataPath.\n"
        << "log4j.rootLogger=INFO, console, file\n"
        << "log4j.appender.console=org.apache.log4j.ConsoleAppender\n"
        << "log4j.appender.console.Target=System.err\n"
        << "log4j.appender.console.Threshold=WARN\n"
        << "log4j.appender.console.layout=org.apache.log4j.PatternLayout\n"
        << "log4j.appender.console.layout.ConversionPattern=" << pattern << "\n"
        << "log4j.appender.file=org.apache.log4j.RollingFileAppender\n"
        << "log4j.appender.file.File=" << logDir << component << ".log\n"
        << "log4j.appender.file.MaxFileSize=10MB\n"
        << "log4j.appender.file.MaxBackupIndex=5\n"
        << "log4j.appender.file.Append=true\n"
        << "log4j.appender.file.layout=org.apache.log4j.PatternLayout\n"
        << "log4j.appender.file.layout.ConversionPattern=" << pattern << "\n";
    return out.str();
}

} // namespace

struct CUserDataPath::Impl
{
    mutable std::mutex mutex;
    bool initialised = false;
    std::string root;
    std::string component;
};

CUserDataPath::CUserDataPath() : d(new Impl) {}
CUserDataPath::~CUserDataPath() = default;

bool CUserDataPath::init(const std::string &rootArg, const std::string &componentName, int, int)
{
    std::lock_guard<std::mutex> lock(d->mutex);
    d->initialised = false;
    d->root.clear();
    d->component.clear();

    const char *env = std::getenv("QORVA_DATA_ROOT");
    const std::string given = env && *env ? std::string(env) : rootArg;
    if (given.empty()) {
        LOG_ERROR("CUserDataPath::init: empty data root.");
        return false;
    }
    if (componentName.empty() || componentName.find('/') != std::string::npos || componentName == "."
        || componentName == "..") {
        LOG_ERROR("CUserDataPath::init: invalid component name [%s].", componentName.c_str());
        return false;
    }
    const std::string root = normalisedRoot(given);
    const std::string component = withSlash(root + componentName);
    for (const std::string &dir : {root, component, component + "logs/", component + "dumps/", root + "import/"}) {
        std::error_code ec;
        fs::create_directories(fs::path(dir), ec);
        if (ec || !fs::is_directory(fs::path(dir), ec)) {
            LOG_ERROR("CUserDataPath::init: failed to create directory [%s] (%s).", dir.c_str(),
                      ec ? ec.message().c_str() : "not a directory");
            return false;
        }
    }
    for (const std::string &dir : {component, component + "logs/", component + "dumps/"}) {
        if (!isWritableDir(dir)) {
            LOG_ERROR("CUserDataPath::init: directory [%s] is not writable (%s).", dir.c_str(), std::strerror(errno));
            return false;
        }
    }
    const std::string properties = component + "log4cxx.properties";
    if (!Base::FileUtil::IsPathExist(properties)) {
        std::ofstream out(properties, std::ios::binary | std::ios::trunc);
        out << defaultProperties(component + "logs/", componentName);
        out.close();
        if (!out) {
            LOG_ERROR("CUserDataPath::init: failed to write [%s].", properties.c_str());
            return false;
        }
    }
    d->root = root;
    d->component = componentName;
    d->initialised = true;
    return true;
}

bool CUserDataPath::isInitialised() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->initialised;
}

std::string CUserDataPath::rootPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->root;
}

std::string CUserDataPath::componentName() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->component;
}

std::string CUserDataPath::componentPath() const
{
    std::lock_guard<std::mutex> lock(d->mutex);
    return d->initialised ? d->root + d->component + "/" : std::string();
}

std::string CUserDataPath::logPropertiesPath() const
{
    std::string c = componentPath();
    return c.empty() ? c : c + "log4cxx.properties";
}

std::string CUserDataPath::logPath() const
{
    std::string c = componentPath();
    return c.empty() ? c : c + "logs/";
}

std::string CUserDataPath::dumpPath() const
{
    std::string c = componentPath();
    return c.empty() ? c : c + "dumps/";
}

std::string CUserDataPath::getImportDBPath() const
{
    std::string r = rootPath();
    return r.empty() ? r : r + "import/";
}

std::string CUserDataPath::frameworkPath() const
{
    std::string r = rootPath();
    return r.empty() ? r : r + "Framework.C/";
}

std::string CUserDataPath::deSetupPath() const
{
    std::string f = frameworkPath();
    return f.empty() ? f : f + "DESetup.xml";
}

std::string CUserDataPath::getOSUserPath(bool documents) const
{
    return documents ? documentsDir() : homeDir();
}

} // namespace comm_methodlib

template class Base::CSingleton<comm_methodlib::CUserDataPath>;
