#include "base/FreshMemory.h"

#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>

namespace FreshMemory {

void takeAtOnce(char* data, qint64 size)
{
#if defined(MADV_POPULATE_WRITE)
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto start = (reinterpret_cast<std::uintptr_t>(data) + page - 1) & ~(page - 1);
    const auto end
        = (reinterpret_cast<std::uintptr_t>(data) + static_cast<std::uintptr_t>(size)) & ~(page - 1);
    if (end <= start)
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

} // namespace FreshMemory
