// The data path allocates nothing: a receiver's bytes go through the filter,
// the ring, the intake and its parsers into fixed storage, so a long run
// cannot grow or fragment the heap. Every allocation of this test program is
// counted; a whole replay of recordings, after a first pass has touched every
// path once, must not add to the count.

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "replay_session.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKYVANE_COUNTS_ALLOCATIONS 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define SKYVANE_COUNTS_ALLOCATIONS 1
#endif

#ifdef SKYVANE_COUNTS_ALLOCATIONS
#include <sanitizer/allocator_interface.h>
#endif

namespace {

std::atomic<long> allocations{0};

#ifdef SKYVANE_COUNTS_ALLOCATIONS
// The sanitizer calls these on every malloc and operator new of the program.
void countAllocation(const volatile void*, std::size_t) {
    allocations.fetch_add(1, std::memory_order_relaxed);
}
void ignoreRelease(const volatile void*) {}
#endif

[[maybe_unused]] std::vector<std::string> recordings() {
    std::vector<std::filesystem::path> paths = {
        std::filesystem::path(SKYVANE_SOURCE_DIR) / "samples" / "dualband-drive.nmea",
        std::filesystem::path(SKYVANE_SOURCE_DIR) / "tests" / "golden" / "edge-cases.nmea",
    };
    const std::filesystem::path real(SKYVANE_REAL_RECORDINGS_DIR);
    if (std::filesystem::is_directory(real)) {
        for (const auto& entry : std::filesystem::directory_iterator(real)) {
            paths.push_back(entry.path());
        }
    }
    std::vector<std::string> contents;
    for (const auto& path : paths) {
        std::ifstream file(path, std::ios::binary);
        contents.emplace_back(std::istreambuf_iterator<char>(file),
                              std::istreambuf_iterator<char>());
    }
    return contents;
}

TEST(DataPath, AReplayAllocatesNothing) {
#ifndef SKYVANE_COUNTS_ALLOCATIONS
    GTEST_SKIP() << "allocations are counted in the sanitizer build";
#else
    __sanitizer_install_malloc_and_free_hooks(countAllocation, ignoreRelease);
    const std::vector<std::string> streams = recordings();
    ASSERT_GE(streams.size(), 2u);
    const long beforeSession = allocations.load();
    auto session = std::make_unique<ReplaySession>(700);
    ASSERT_GT(allocations.load(), beforeSession);  // the count does see allocations
    std::uint64_t lines = 0;
    auto replayAll = [&] {
        for (const std::string& bytes : streams) {
            session->reset();
            session->feed(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(),
                          [&] { ++lines; });
        }
    };
    replayAll();
    const long before = allocations.load();
    replayAll();
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(lines, 20000u);
#endif
}

}  // namespace
