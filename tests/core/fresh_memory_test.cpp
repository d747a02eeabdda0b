#include "base/FreshMemory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <deque>

#include <sys/mman.h>

namespace {

void fill(char* data, std::size_t size, unsigned seed)
{
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<char>((i * 131 + seed) >> 3);
}

bool holds(const char* data, std::size_t size, unsigned seed)
{
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] != static_cast<char>((i * 131 + seed) >> 3))
            return false;
    }
    return true;
}

} // namespace

// Taking pages the process already has must leave what they hold, in memory of every
// kind: fresh, half written, written.
TEST(FreshMemory, TakingPagesAtOnceKeepsWhatTheyHold)
{
    constexpr std::size_t size = 6 * 1024 * 1024 + 77;
    void* mapped = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* bytes = static_cast<char*>(mapped);
    FreshMemory::takeAtOnce(bytes, size);
    EXPECT_EQ(bytes[0], 0);
    EXPECT_EQ(bytes[size - 1], 0);
    fill(bytes, size / 3, 1);
    FreshMemory::takeAtOnce(bytes, size);
    EXPECT_TRUE(holds(bytes, size / 3, 1));
    fill(bytes, size, 2);
    FreshMemory::takeAtOnce(bytes + 5, size - 9);
    EXPECT_TRUE(holds(bytes, size, 2));
    FreshMemory::takeAtOnce(bytes, 0);
    FreshMemory::takeAtOnce(bytes + 1, 100);
    munmap(mapped, size);
}

// Blocks made while a room lives, freed while it lives or after, are blocks like any
// other; a room of nothing, or of less, is no room.
TEST(FreshMemory, BlocksMadeInAHeapRoomKeepWhatTheyHold)
{
    std::deque<std::pair<char*, std::size_t>> blocks;
    {
        const FreshMemory::HeapRoom room(2 * 1024 * 1024);
        for (unsigned i = 0; i < 30000; ++i) {
            const std::size_t size = 16 + (i * 37) % 200;
            auto* block = static_cast<char*>(std::malloc(size));
            ASSERT_NE(block, nullptr);
            fill(block, size, i);
            blocks.emplace_back(block, size);
            if (i % 3 == 0) {
                std::free(blocks.front().first);
                blocks.pop_front();
            }
        }
        const FreshMemory::HeapRoom nothing(0);
        const FreshMemory::HeapRoom less(-1);
    }
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const auto [block, size] = blocks[i];
        EXPECT_TRUE(holds(block, size, static_cast<unsigned>(30000 - blocks.size() + i))) << i;
        std::free(block);
    }
}
