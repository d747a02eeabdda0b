#pragma once

#include <QtGlobal>

// Memory a buffer is about to be filled with, taken from the system in one call rather than
// a page at a time as it is first written: each first touch of a new page enters the
// kernel, which on some virtual machines costs 10 us or more, and a large list is
// thousands of pages. The whole 2 MiB spans inside the buffer are asked for as large
// pages, which the buffer fills entirely. Does nothing where the system cannot.
namespace FreshMemory {

void takeAtOnce(char* data, qint64 size);

} // namespace FreshMemory
