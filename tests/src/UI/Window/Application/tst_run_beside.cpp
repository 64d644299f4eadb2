// Work started beside the caller: it runs while the caller goes on, and its result or
// its exception arrives at get().

#include <UI/Window/Application/RunBeside.h>

#include <testsupport/Wait.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>

using visitorclient::runBeside;

TEST(RunBeside, TheWorkRunsBeforeItsResultIsAskedFor)
{
    testsupport::Gate started;
    testsupport::Gate release;
    const std::thread::id caller = std::this_thread::get_id();
    auto result = runBeside([&started, &release, caller] {
        started.open();
        release.wait();
        return std::this_thread::get_id() == caller ? std::string("caller") : std::string("beside");
    });
    // Deferred work would start only at get(), on this thread.
    ASSERT_TRUE(started.wait());
    release.open();
    EXPECT_EQ(result.get(), "beside");
}

TEST(RunBeside, AnExceptionOfTheWorkReachesTheCaller)
{
    auto failed = runBeside([]() -> int { throw std::runtime_error("no answer"); });
    EXPECT_THROW(failed.get(), std::runtime_error);
}
