// placement: whatever the bytes, a rectangle or none; a rectangle written reads back the same.
#include "FuzzCheck.h"

#include "state/WindowPlacement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::optional<QRect> rect = WindowPlacement::fromBytes(fuzzInput(data, size));
    if (rect)
        FUZZ_CHECK(WindowPlacement::fromBytes(WindowPlacement::toBytes(*rect)) == rect);
    const QRect placed = WindowPlacement::place(rect, {QRect(0, 0, 1280, 900)}, QSize(600, 400), QSize(900, 620));
    FUZZ_CHECK(placed.intersects(QRect(0, 0, 1280, 900)));
    return 0;
}
