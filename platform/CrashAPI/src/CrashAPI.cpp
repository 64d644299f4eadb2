#include <CrashAPI/CrashAPI.h>

#include <Base/Log.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string>
#include <system_error>

#include <execinfo.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <time.h>
#include <ucontext.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGSEGV, SIGABRT, SIGBUS, SIGFPE, SIGILL};
constexpr int kSignalCount = sizeof(kSignals) / sizeof(kSignals[0]);
constexpr std::size_t kMaxDirLength = 3900;
constexpr std::size_t kAltStackSize = 64 * 1024;
const char kPrefix[] = "crash_";
const char kSuffix[] = ".dmp";

std::mutex g_apiMutex; // serialises the API calls (never taken in the handler)
bool g_installed = false;
struct sigaction g_previous[kSignalCount];

// The dump directory (with trailing '/') is published by pointer so the handler never
// sees a half-written text: the setter fills the buffer not in use, then swaps.
char g_dirBuffers[2][kMaxDirLength + 2];
std::atomic<const char *> g_dumpDir{nullptr};
std::atomic<int> g_maxCount{10};
std::atomic<unsigned> g_dumpType{0};
std::atomic<long> g_crashingThread{0};

// ---- async-signal-safe helpers --------------------------------------------------------

std::size_t cstrlen(const char *s)
{
    std::size_t n = 0;
    while (s[n])
        ++n;
    return n;
}

int cstrcmp(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return static_cast<unsigned char>(*a) - static_cast<unsigned char>(*b);
}

// Fixed-size text buffer; appends are silently cut at the end.
struct Line
{
    char buf[512];
    std::size_t len = 0;

    Line &str(const char *s)
    {
        while (*s && len < sizeof(buf))
            buf[len++] = *s++;
        return *this;
    }
    Line &dec(std::uint64_t v, int width = 0)
    {
        char tmp[24];
        int n = 0;
        do {
            tmp[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v);
        while (n < width && n < 24)
            tmp[n++] = '0';
        while (n > 0 && len < sizeof(buf))
            buf[len++] = tmp[--n];
        return *this;
    }
    Line &sdec(long long v)
    {
        if (v < 0) {
            str("-");
            return dec(static_cast<std::uint64_t>(-(v + 1)) + 1);
        }
        return dec(static_cast<std::uint64_t>(v));
    }
    Line &hex(std::uintptr_t v)
    {
        static const char kDigits[] = "0123456789abcdef";
        char tmp[2 * sizeof(v)];
        int n = 0;
        do {
            tmp[n++] = kDigits[v & 0xF];
            v >>= 4;
        } while (v);
        str("0x");
        while (n > 0 && len < sizeof(buf))
            buf[len++] = tmp[--n];
        return *this;
    }
    const char *c_str()
    {
        if (len >= sizeof(buf))
            len = sizeof(buf) - 1;
        buf[len] = '\0';
        return buf;
    }
};

void writeAll(int fd, const char *data, std::size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void writeLine(int fd, Line &line)
{
    line.str("\n");
    writeAll(fd, line.buf, line.len);
}

void copyFile(const char *path, int out)
{
    int in = ::open(path, O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return;
    char buf[4096];
    for (;;) {
        ssize_t n = ::read(in, buf, sizeof(buf));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        writeAll(out, buf, static_cast<std::size_t>(n));
    }
    ::close(in);
}

const char *signalName(int sig)
{
    switch (sig) {
    case SIGSEGV: return "SIGSEGV";
    case SIGABRT: return "SIGABRT";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    default: return "UNKNOWN";
    }
}

bool isDumpName(const char *name)
{
    std::size_t n = cstrlen(name);
    const std::size_t p = sizeof(kPrefix) - 1, s = sizeof(kSuffix) - 1;
    if (n <= p + s)
        return false;
    for (std::size_t i = 0; i < p; ++i)
        if (name[i] != kPrefix[i])
            return false;
    for (std::size_t i = 0; i < s; ++i)
        if (name[n - s + i] != kSuffix[i])
            return false;
    return true;
}

struct LinuxDirent64
{
    std::uint64_t d_ino;
    std::int64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[1];
};

// Removes the oldest dump files of dir until at most maxCount remain. Uses raw
// getdents64 (opendir allocates) so that it may run in the signal handler.
void pruneDumps(const char *dir, int maxCount)
{
    if (!dir || maxCount < 1)
        return;
    char oldest[256];
    alignas(8) char entries[4096];
    for (int round = 0; round < 10000; ++round) {
        int fd = ::open(dir, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0)
            return;
        int count = 0;
        oldest[0] = '\0';
        for (;;) {
            long n = ::syscall(SYS_getdents64, fd, entries, sizeof(entries));
            if (n <= 0)
                break;
            for (long off = 0; off < n;) {
                auto *e = reinterpret_cast<LinuxDirent64 *>(entries + off);
                off += e->d_reclen;
                if (!isDumpName(e->d_name) || cstrlen(e->d_name) >= sizeof(oldest))
                    continue;
                ++count;
                if (oldest[0] == '\0' || cstrcmp(e->d_name, oldest) < 0) {
                    std::size_t k = 0;
                    for (; e->d_name[k]; ++k)
                        oldest[k] = e->d_name[k];
                    oldest[k] = '\0';
                }
            }
        }
        bool removed = false;
        if (count > maxCount && oldest[0] != '\0')
            removed = ::unlinkat(fd, oldest, 0) == 0;
        ::close(fd);
        if (!removed)
            return;
    }
}

void writeDump(int sig, siginfo_t *info, void *context, long tid)
{
    const char *dir = g_dumpDir.load(std::memory_order_acquire);
    if (!dir)
        return;
    struct timespec now;
    ::clock_gettime(CLOCK_REALTIME, &now);
    const pid_t pid = ::getpid();
    const std::uint64_t nanos = static_cast<std::uint64_t>(now.tv_sec) * 1000000000ull
                                + static_cast<std::uint64_t>(now.tv_nsec);
    Line path;
    path.str(dir).str(kPrefix).dec(nanos, 20).str("_").dec(static_cast<std::uint64_t>(pid)).str(kSuffix);
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return;

    Line l;
    l.str("Qorva crash dump");
    writeLine(fd, l);
    l = Line();
    l.str("signal: ").dec(static_cast<std::uint64_t>(sig)).str(" (").str(signalName(sig)).str(")");
    writeLine(fd, l);
    if (info) {
        l = Line();
        l.str("signal code: ").sdec(info->si_code);
        writeLine(fd, l);
        l = Line();
        l.str("fault address: ").hex(reinterpret_cast<std::uintptr_t>(info->si_addr));
        writeLine(fd, l);
    }
    l = Line();
    l.str("process: ").dec(static_cast<std::uint64_t>(pid));
    writeLine(fd, l);

    char comm[64] = {0};
    Line commPath;
    commPath.str("/proc/self/task/").dec(static_cast<std::uint64_t>(tid)).str("/comm");
    int cfd = ::open(commPath.c_str(), O_RDONLY | O_CLOEXEC);
    if (cfd >= 0) {
        ssize_t n = ::read(cfd, comm, sizeof(comm) - 1);
        if (n > 0 && comm[n - 1] == '\n')
            comm[n - 1] = '\0';
        ::close(cfd);
    }
    l = Line();
    l.str("thread: ").dec(static_cast<std::uint64_t>(tid)).str(" (").str(comm).str(")");
    l.str(tid == pid ? " main thread" : " not the main thread");
    writeLine(fd, l);
    l = Line();
    l.str("time: ").dec(static_cast<std::uint64_t>(now.tv_sec)).str(".").dec(static_cast<std::uint64_t>(now.tv_nsec), 9);
    l.str(" s since the epoch");
    writeLine(fd, l);
    l = Line();
    l.str("dump type: ").hex(g_dumpType.load());
    writeLine(fd, l);
    char exe[1024];
    ssize_t exeLen = ::readlink("/proc/self/exe", exe, sizeof(exe) - 1);
    exe[exeLen > 0 ? exeLen : 0] = '\0';
    l = Line();
    l.str("executable: ").str(exe);
    writeLine(fd, l);
#if defined(__x86_64__)
    if (context) {
        auto *uc = static_cast<ucontext_t *>(context);
        l = Line();
        l.str("instruction pointer: ").hex(static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RIP]));
        l.str(", stack pointer: ").hex(static_cast<std::uintptr_t>(uc->uc_mcontext.gregs[REG_RSP]));
        writeLine(fd, l);
    }
#else
    (void)context;
#endif
    l = Line();
    l.str("\nbacktrace:");
    writeLine(fd, l);
    void *frames[128];
    int depth = ::backtrace(frames, 128);
    ::backtrace_symbols_fd(frames, depth, fd);
    l = Line();
    l.str("\nmemory map:");
    writeLine(fd, l);
    copyFile("/proc/self/maps", fd);
    ::fsync(fd);
    ::close(fd);
    pruneDumps(dir, g_maxCount.load());
}

void crashHandler(int sig, siginfo_t *info, void *context)
{
    const int savedErrno = errno;
    const long tid = ::syscall(SYS_gettid);
    long expected = 0;
    if (g_crashingThread.compare_exchange_strong(expected, tid)) {
        writeDump(sig, info, context, tid);
    } else if (expected != tid) {
        // Another thread is writing its dump and will end the process.
        struct timespec pauseTime = {1, 0};
        for (;;)
            ::nanosleep(&pauseTime, nullptr);
    }
    // Die of the original signal: default action, then re-raise. The signal is blocked
    // while the handler runs, so it is delivered (and kills) as soon as we return; a
    // hardware fault would also recur on return.
    struct sigaction dfl;
    std::memset(&dfl, 0, sizeof(dfl));
    dfl.sa_handler = SIG_DFL;
    sigemptyset(&dfl.sa_mask);
    ::sigaction(sig, &dfl, nullptr);
    ::syscall(SYS_tgkill, ::getpid(), tid, sig);
    errno = savedErrno;
}

// ---- per-thread alternate stack -------------------------------------------------------

struct AltStack
{
    void *mapping = nullptr;
    std::size_t mappingSize = 0;
    void *stack = nullptr;

    ~AltStack()
    {
        if (!mapping)
            return;
        stack_t current;
        if (::sigaltstack(nullptr, &current) == 0 && current.ss_sp == stack) {
            stack_t off;
            std::memset(&off, 0, sizeof(off));
            off.ss_flags = SS_DISABLE;
            ::sigaltstack(&off, nullptr);
        }
        ::munmap(mapping, mappingSize);
    }
};

thread_local AltStack t_altStack;

bool installAltStack()
{
    if (t_altStack.mapping)
        return true;
    stack_t current;
    if (::sigaltstack(nullptr, &current) == 0 && !(current.ss_flags & SS_DISABLE) && current.ss_size >= kAltStackSize)
        return true; // the thread already has one (e.g. a sanitizer's)
    const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::size_t size = kAltStackSize;
    const long minSize = ::sysconf(_SC_SIGSTKSZ);
    if (minSize > 0 && static_cast<std::size_t>(minSize) * 4 > size)
        size = static_cast<std::size_t>(minSize) * 4;
    size = (size + page - 1) / page * page;
    void *mapping = ::mmap(nullptr, size + page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_STACK, -1, 0);
    if (mapping == MAP_FAILED)
        return false;
    ::mprotect(mapping, page, PROT_NONE); // guard page below the stack
    stack_t ss;
    std::memset(&ss, 0, sizeof(ss));
    ss.ss_sp = static_cast<char *>(mapping) + page;
    ss.ss_size = size;
    if (::sigaltstack(&ss, nullptr) != 0) {
        ::munmap(mapping, size + page);
        return false;
    }
    t_altStack.mapping = mapping;
    t_altStack.mappingSize = size + page;
    t_altStack.stack = ss.ss_sp;
    return true;
}

bool isWritableDir(const std::string &dir)
{
    std::string probe = dir + ".crashapi-probe-XXXXXX";
    int fd = ::mkstemp(&probe[0]);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

} // namespace

extern "C" {

bool CrashAPI_Init(void)
{
    std::lock_guard<std::mutex> lock(g_apiMutex);
    // The first backtrace() loads libgcc_s (dlopen, malloc): do it here, not in the handler.
    void *frames[4];
    ::backtrace(frames, 4);
    if (!installAltStack())
        LOG_WARN("CrashAPI_Init: no alternate signal stack for this thread.");
    if (g_installed)
        return true;
    struct sigaction sa;
    std::memset(&sa, 0, sizeof(sa));
    sa.sa_sigaction = crashHandler;
    sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&sa.sa_mask);
    for (int sig : kSignals)
        sigaddset(&sa.sa_mask, sig); // one crash handler at a time per thread
    for (int i = 0; i < kSignalCount; ++i) {
        if (::sigaction(kSignals[i], &sa, &g_previous[i]) != 0) {
            for (int k = 0; k < i; ++k)
                ::sigaction(kSignals[k], &g_previous[k], nullptr);
            LOG_ERROR("CrashAPI_Init: sigaction(%d) failed: %s.", kSignals[i], std::strerror(errno));
            return false;
        }
    }
    g_crashingThread.store(0);
    g_installed = true;
    return true;
}

bool CrashAPI_SetDumpPath(const char *path)
{
    if (!path || !*path) {
        LOG_ERROR("CrashAPI_SetDumpPath: empty path.");
        return false;
    }
    std::string dir(path);
    if (dir.back() != '/')
        dir.push_back('/');
    if (dir.size() > kMaxDirLength) {
        LOG_ERROR("CrashAPI_SetDumpPath: path too long [%s].", path);
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(dir), ec);
    if (!std::filesystem::is_directory(std::filesystem::path(dir), ec) || !isWritableDir(dir)) {
        LOG_ERROR("CrashAPI_SetDumpPath: [%s] is not a writable directory.", path);
        return false;
    }
    std::lock_guard<std::mutex> lock(g_apiMutex);
    const char *current = g_dumpDir.load();
    char *target = current == g_dirBuffers[0] ? g_dirBuffers[1] : g_dirBuffers[0];
    std::memcpy(target, dir.c_str(), dir.size() + 1);
    g_dumpDir.store(target, std::memory_order_release);
    return true;
}

bool CrashAPI_SetDumpType(unsigned int type)
{
    g_dumpType.store(type);
    return true;
}

bool CrashAPI_SetDumpMaxCount(int count)
{
    if (count < 1) {
        LOG_ERROR("CrashAPI_SetDumpMaxCount: invalid count %d.", count);
        return false;
    }
    std::lock_guard<std::mutex> lock(g_apiMutex);
    g_maxCount.store(count);
    pruneDumps(g_dumpDir.load(), count);
    return true;
}

bool CrashAPI_Uninit(void)
{
    std::lock_guard<std::mutex> lock(g_apiMutex);
    if (!g_installed)
        return false;
    for (int i = 0; i < kSignalCount; ++i)
        ::sigaction(kSignals[i], &g_previous[i], nullptr);
    g_installed = false;
    return true;
}

bool CrashAPI_InstallThreadAltStack(void)
{
    return installAltStack();
}

} // extern "C"
