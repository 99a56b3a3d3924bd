// The data path allocates nothing: once a session exists, lines of any kind
// pass through the filter, ring, intake, parsers and recognisers without a
// single heap allocation. Counted by replacing the global allocator, which is
// why this test is a program of its own.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <string>

#include "replay_session.h"
#include "scenario.h"
#include "ui/panel_display_list.h"

namespace {
std::atomic<long> allocations{0};
}

namespace {
void* countedAllocation(std::size_t size) {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

// Every form, so that no allocation escapes the count and each pairs with free().
void* operator new(std::size_t size) {
    if (void* p = countedAllocation(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

std::string generatedDrive() {
    ScenarioOptions options;
    options.seconds = 300;
    return generateScenario(options);
}

std::string edgeCases() {
    std::ifstream in(SKYVANE_SOURCE_DIR "/tests/golden/edge-cases.nmea", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

long allocationsWhileFeeding(const std::string& stream) {
    auto session = std::make_unique<ReplaySession>(100);
    session->host.useUtcOffset(-60);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(stream.data());
    const long before = allocations.load();
    session->feed(bytes, stream.size(), [] {});
    return allocations.load() - before;
}

TEST(DataPath, GeneratedDriveAllocatesNothing) {
    const std::string stream = generatedDrive();
    ASSERT_GT(stream.size(), 100000u);
    EXPECT_EQ(allocationsWhileFeeding(stream), 0);
}

TEST(DataPath, AwkwardLinesAllocateNothing) {
    const std::string stream = edgeCases();
    ASSERT_GT(stream.size(), 1000u);
    EXPECT_EQ(allocationsWhileFeeding(stream), 0);
}

// The panel is rebuilt after every line a drive brings, as repaints do.
TEST(DataPath, BuildingThePanelAllocatesNothing) {
    const std::string stream = generatedDrive();
    auto session = std::make_unique<ReplaySession>(100);
    auto list = std::make_unique<PanelDisplayList>();
    PanelInputs inputs;
    inputs.width = 994;
    inputs.height = 378;
    inputs.logging = true;
    inputs.signalOffset = -5;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(stream.data());
    std::size_t mostOps = 0;
    const long before = allocations.load();
    session->feed(bytes, stream.size(), [&] {
        buildPanelDisplayList(session->state, inputs, list.get());
        mostOps = list->count > mostOps ? list->count : mostOps;
    });
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(mostOps, 200u);  // the drive does bring satellites into view
}

TEST(DataPath, TheCounterSeesAllocations) {
    const long before = allocations.load();
    auto probe = std::make_unique<int>(7);
    EXPECT_EQ(allocations.load() - before, 1);
    EXPECT_EQ(*probe, 7);
}

}  // namespace
