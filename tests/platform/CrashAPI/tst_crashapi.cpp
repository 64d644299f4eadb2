#include <CrashAPI/CrashAPI.h>

#include <testsupport/TempDir.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class CrashTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_tmp = testsupport::makeTempDir(QStringLiteral("qorva-crash"));
        m_dir = m_tmp->path().toStdString();
    }

    std::vector<std::string> dumps() const
    {
        std::vector<std::string> names;
        if (DIR *d = opendir(m_dir.c_str())) {
            while (dirent *e = readdir(d)) {
                std::string n = e->d_name;
                if (n.rfind("crash_", 0) == 0 && n.size() > 4 && n.compare(n.size() - 4, 4, ".dmp") == 0)
                    names.push_back(n);
            }
            closedir(d);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string read(const std::string &name) const
    {
        std::ifstream in(m_dir + "/" + name);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    std::unique_ptr<QTemporaryDir> m_tmp;
    std::string m_dir;
};

// Runs body in a forked child and returns the child's wait status.
int runChild(const std::function<void()> &body)
{
    pid_t pid = fork();
    if (pid == 0) {
        struct rlimit noCore = {0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
        body();
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

// As the product does it: initialise on a short-lived worker thread.
void initOnWorker(const std::string &dir, int maxCount)
{
    bool ok = false;
    std::thread([&] {
        ok = CrashAPI_Init() && CrashAPI_SetDumpPath(dir.c_str()) && CrashAPI_SetDumpType(0x9B67)
             && CrashAPI_SetDumpMaxCount(maxCount);
    }).join();
    if (!ok)
        _exit(3);
}

void segfault()
{
    volatile int *volatile p = nullptr;
    *p = 1;
}

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Winfinite-recursion"
int recurse(int n)
{
    volatile char pad[512];
    pad[0] = static_cast<char>(n);
    return recurse(n + 1) + pad[0];
}
#pragma GCC diagnostic pop

bool killedBy(int status, int sig)
{
    return WIFSIGNALED(status) && WTERMSIG(status) == sig;
}

} // namespace

TEST(CrashApiCalls, ArgumentsAndLifecycle)
{
    EXPECT_FALSE(CrashAPI_SetDumpPath(nullptr));
    EXPECT_FALSE(CrashAPI_SetDumpPath(""));
    EXPECT_FALSE(CrashAPI_SetDumpPath(std::string(5000, 'a').c_str()));
    EXPECT_FALSE(CrashAPI_SetDumpPath("/proc/self/no/such/dir"));
    EXPECT_FALSE(CrashAPI_SetDumpMaxCount(0));
    EXPECT_FALSE(CrashAPI_SetDumpMaxCount(-1));
    EXPECT_TRUE(CrashAPI_SetDumpMaxCount(10));
    EXPECT_TRUE(CrashAPI_SetDumpType(39783));
    EXPECT_FALSE(CrashAPI_Uninit()); // not initialised
    struct sigaction before;
    sigaction(SIGSEGV, nullptr, &before);
    EXPECT_TRUE(CrashAPI_Init());
    EXPECT_TRUE(CrashAPI_Init());
    EXPECT_TRUE(CrashAPI_InstallThreadAltStack());
    std::thread([] { EXPECT_TRUE(CrashAPI_InstallThreadAltStack()); }).join();
    EXPECT_TRUE(CrashAPI_Uninit());
    EXPECT_FALSE(CrashAPI_Uninit());
    struct sigaction after;
    sigaction(SIGSEGV, nullptr, &after);
    EXPECT_EQ(before.sa_handler, after.sa_handler); // previous action restored
}

#ifdef QORVA_SANITIZER_BUILD
#define SKIP_IN_SANITIZER_BUILD() GTEST_SKIP() << "sanitizers install their own signal handlers"
#else
#define SKIP_IN_SANITIZER_BUILD() (void)0
#endif

TEST_F(CrashTest, TwoCrashesWithMaxCountOneLeaveOneDumpOfTheNewest)
{
    SKIP_IN_SANITIZER_BUILD();
    int status = runChild([&] {
        initOnWorker(m_dir, 1);
        segfault();
    });
    EXPECT_TRUE(killedBy(status, SIGSEGV)) << status;
    auto first = dumps();
    ASSERT_EQ(first.size(), 1u);
    const std::string text = read(first[0]);
    EXPECT_NE(text.find("signal: 11 (SIGSEGV)"), std::string::npos) << text;
    EXPECT_NE(text.find(" main thread"), std::string::npos);
    EXPECT_NE(text.find("dump type: 0x9b67"), std::string::npos);
    EXPECT_NE(text.find("fault address: 0x0"), std::string::npos);
    EXPECT_NE(text.find("backtrace:\n"), std::string::npos);
    EXPECT_NE(text.find("libCrashAPI.so"), std::string::npos); // the handler's frame
    EXPECT_NE(text.find("memory map:\n"), std::string::npos);
    EXPECT_NE(text.find("[stack]"), std::string::npos);

    status = runChild([&] {
        initOnWorker(m_dir, 1);
        std::abort();
    });
    EXPECT_TRUE(killedBy(status, SIGABRT)) << status;
    auto second = dumps();
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NE(second[0], first[0]);
    EXPECT_NE(read(second[0]).find("(SIGABRT)"), std::string::npos);
}

TEST_F(CrashTest, CrashOnAnotherThreadNamesThatThread)
{
    SKIP_IN_SANITIZER_BUILD();
    int status = runChild([&] {
        initOnWorker(m_dir, 5);
        std::thread([] {
            pthread_setname_np(pthread_self(), "qorva-worker");
            volatile int zero = 0;
            volatile int numerator = 100; // 1 / x would compile without a division
            volatile int x = numerator / zero;
            (void)x;
        }).join();
    });
    EXPECT_TRUE(killedBy(status, SIGFPE)) << status;
    auto files = dumps();
    ASSERT_EQ(files.size(), 1u);
    const std::string text = read(files[0]);
    EXPECT_NE(text.find("(SIGFPE)"), std::string::npos);
    EXPECT_NE(text.find("(qorva-worker) not the main thread"), std::string::npos) << text;
}

TEST_F(CrashTest, PruningKeepsTheNewestAndLeavesOtherFiles)
{
    SKIP_IN_SANITIZER_BUILD();
    { std::ofstream(m_dir + "/notes.txt") << "keep"; }
    const int crashSignals[] = {SIGBUS, SIGILL, SIGSEGV};
    for (int sig : crashSignals) {
        int status = runChild([&] {
            initOnWorker(m_dir, 2);
            raise(sig);
        });
        EXPECT_TRUE(killedBy(status, sig)) << sig << " " << status;
    }
    auto files = dumps();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_NE(read(files[0]).find("(SIGILL)"), std::string::npos);
    EXPECT_NE(read(files[1]).find("(SIGSEGV)"), std::string::npos);
    EXPECT_EQ(read("notes.txt"), "keep");
    // Lowering the maximum prunes at once.
    ASSERT_TRUE(CrashAPI_SetDumpPath(m_dir.c_str()));
    ASSERT_TRUE(CrashAPI_SetDumpMaxCount(1));
    files = dumps();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(read(files[0]).find("(SIGSEGV)"), std::string::npos);
    ASSERT_TRUE(CrashAPI_SetDumpMaxCount(10));
}

TEST_F(CrashTest, StackOverflowOnThreadWithAltStackIsDumped)
{
    SKIP_IN_SANITIZER_BUILD();
    int status = runChild([&] {
        initOnWorker(m_dir, 3);
        std::thread([] {
            if (!CrashAPI_InstallThreadAltStack())
                _exit(4);
            recurse(0);
        }).join();
    });
    EXPECT_TRUE(killedBy(status, SIGSEGV)) << status;
    auto files = dumps();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_NE(read(files[0]).find("(SIGSEGV)"), std::string::npos);
}

TEST_F(CrashTest, NoDumpWithoutPathOrAfterUninit)
{
    SKIP_IN_SANITIZER_BUILD();
    int status = runChild([&] {
        if (!CrashAPI_Init())
            _exit(3);
        segfault();
    });
    EXPECT_TRUE(killedBy(status, SIGSEGV)) << status;
    status = runChild([&] {
        initOnWorker(m_dir, 3);
        if (!CrashAPI_Uninit())
            _exit(3);
        segfault();
    });
    EXPECT_TRUE(killedBy(status, SIGSEGV)) << status;
    EXPECT_TRUE(dumps().empty());
}
