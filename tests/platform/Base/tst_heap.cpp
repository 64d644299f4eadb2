// The heap setting is process-wide and cannot be undone, so it has a test binary of its own.

#include <Base/HeapUtil.h>

#include <testsupport/ScopedEnv.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <malloc.h>
#include <vector>

#include <string>

using testsupport::ScopedEnv;

namespace {

bool environmentTunesMalloc()
{
    const char *tunables = std::getenv("GLIBC_TUNABLES");
    return (tunables != nullptr && std::string(tunables).find("malloc") != std::string::npos) ||
           std::getenv("MALLOC_TRIM_THRESHOLD_") != nullptr ||
           std::getenv("MALLOC_MMAP_THRESHOLD_") != nullptr;
}

// Runs before the setting is applied: it only reads the environment.
TEST(HeapUtil, AMallocTuningInTheEnvironmentIsLeftAlone)
{
    {
        ScopedEnv tunables("GLIBC_TUNABLES", "glibc.malloc.trim_threshold=0");
        EXPECT_FALSE(Base::HeapUtil::KeepFreedMemory());
    }
    {
        ScopedEnv mmap("MALLOC_MMAP_THRESHOLD_", "131072");
        EXPECT_FALSE(Base::HeapUtil::KeepFreedMemory());
    }
}

TEST(HeapUtil, FreedPagesStayForTheNextOneAndLargeBlocksComeFromTheHeap)
{
#ifdef QORVA_SANITIZER_BUILD
    GTEST_SKIP() << "the sanitizer's allocator ignores glibc's settings";
#endif
    if (environmentTunesMalloc())
        GTEST_SKIP() << "this run tunes malloc through its environment";
    ASSERT_TRUE(Base::HeapUtil::KeepFreedMemory());

    // A page's worth of small blocks, freed: glibc's default would trim the heap's top
    // back to the system once it passes 128 KiB.
    std::vector<char *> blocks;
    for (int i = 0; i < 4096; ++i) {
        blocks.push_back(static_cast<char *>(std::malloc(4096)));
        blocks.back()[0] = 1;
    }
    for (auto it = blocks.rbegin(); it != blocks.rend(); ++it)
        std::free(*it);
    EXPECT_GE(mallinfo2().keepcost, std::size_t(4) << 20);

    // A 4 MiB block (a large answer's text) would get a mapping of its own by default.
    const std::size_t mappedBefore = mallinfo2().hblkhd;
    // volatile: the compiler may drop a block that is freed unused.
    char *volatile large = static_cast<char *>(std::malloc(std::size_t(4) << 20));
    large[0] = 1;
    EXPECT_EQ(mallinfo2().hblkhd, mappedBefore);
    std::free(large);
}

} // namespace
