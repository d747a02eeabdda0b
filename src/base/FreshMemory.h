#pragma once

#include <QtGlobal>

// Memory that is about to be filled, taken from the system in one call rather than a page
// at a time as it is first written: each first touch of a new page enters the kernel,
// which on some virtual machines costs 10 us or more, and a large list is thousands of
// pages. Whole 2 MiB spans are asked for as large pages. Where the system cannot, memory
// is simply taken a page at a time as before.
namespace FreshMemory {

// Below this size the pages are few enough to take one by one.
inline constexpr qint64 kWorthTakingAtOnce = 512 * 1024;

// Takes the pages inside `data`, a buffer the caller is about to fill entirely.
void takeAtOnce(char* data, qint64 size);

// Room in the heap for about `bytes` of small blocks made while it lives, taken at once.
// The room is handed to the allocator as one free block, from which it serves small
// blocks before growing the heap; what is left of it goes back to the heap, and from there
// to the system, when the room ends.
class HeapRoom {
public:
    explicit HeapRoom(qint64 bytes);
    ~HeapRoom();
    HeapRoom(const HeapRoom&) = delete;
    HeapRoom& operator=(const HeapRoom&) = delete;

private:
    // The piece of the room nearest the heap's end stays taken while the room lives, so
    // that the allocator does not give the freed rest straight back to the system.
    void* m_lastPiece = nullptr;
};

} // namespace FreshMemory
