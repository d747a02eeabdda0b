#include "base/FreshMemory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace FreshMemory {

namespace {
// Each piece of a heap room is small enough that glibc takes it from the heap rather than
// mapping it apart (from 128 KiB), and that freeing one alone does not have it trim the heap
// (from 64 KiB).
constexpr std::size_t kPiece = 60 * 1024;
// What the allocator keeps between two pieces one after the other: its block header.
constexpr std::uintptr_t kPieceGap = 64;

std::uintptr_t address(const void* p) { return reinterpret_cast<std::uintptr_t>(p); }

// Whether at most half the pages in [start, end) are in memory already. A heap that was
// used before has them, and taking them again would only walk them.
bool mostlyNew(std::uintptr_t start, std::uintptr_t end, std::uintptr_t page)
{
    std::vector<unsigned char> inMemory((end - start) / page);
    if (mincore(reinterpret_cast<void*>(start), end - start, inMemory.data()) != 0)
        return true;
    const auto there = std::count_if(inMemory.begin(), inMemory.end(), [](unsigned char p) { return p & 1; });
    return static_cast<std::size_t>(there) * 2 <= inMemory.size();
}

// Takes the pages of each run of pieces that lie one after the other; `pieces` are in
// the order of their addresses.
void takeRuns(const std::vector<void*>& pieces)
{
    std::size_t runStart = 0;
    for (std::size_t i = 1; i <= pieces.size(); ++i) {
        const bool runGoesOn
            = i < pieces.size() && address(pieces[i]) - address(pieces[i - 1]) <= kPiece + kPieceGap;
        if (runGoesOn)
            continue;
        const std::uintptr_t end = address(pieces[i - 1]) + kPiece;
        takeAtOnce(
            static_cast<char*>(pieces[runStart]), static_cast<qint64>(end - address(pieces[runStart])));
        runStart = i;
    }
}
} // namespace

void takeAtOnce(char* data, qint64 size)
{
#if defined(MADV_POPULATE_WRITE)
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (address(data) + page - 1) & ~(page - 1);
    const auto end = (address(data) + static_cast<std::uintptr_t>(size)) & ~(page - 1);
    if (end <= start || !mostlyNew(start, end, page))
        return;
    auto* first = reinterpret_cast<void*>(start);
    // Either may be refused (an older kernel, huge pages turned off); the buffer is then
    // simply filled a page at a time.
    madvise(first, end - start, MADV_HUGEPAGE);
    madvise(first, end - start, MADV_POPULATE_WRITE);
#else
    Q_UNUSED(data);
    Q_UNUSED(size);
#endif
}

HeapRoom::HeapRoom(qint64 bytes)
{
#if defined(__GLIBC__) && defined(MADV_POPULATE_WRITE)
    std::vector<void*> pieces;
    pieces.reserve(static_cast<std::size_t>(std::max<qint64>(bytes, 0)) / kPiece + 1);
    for (qint64 taken = 0; taken < bytes; taken += static_cast<qint64>(kPiece)) {
        void* piece = std::malloc(kPiece);
        if (!piece)
            break;
        pieces.push_back(piece);
    }
    if (pieces.empty())
        return;
    std::sort(pieces.begin(), pieces.end(), [](void* a, void* b) { return address(a) < address(b); });
    takeRuns(pieces);
    m_lastPiece = pieces.back();
    pieces.pop_back();
    for (void* piece : pieces)
        std::free(piece);
#else
    Q_UNUSED(bytes);
#endif
}

HeapRoom::~HeapRoom() { std::free(m_lastPiece); }

} // namespace FreshMemory
