#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// What every target shares: the input as bytes, and a check that stops the fuzzer with
// the reason when a property does not hold.
#define FUZZ_CHECK(condition)                                                                       \
    do {                                                                                            \
        if (!(condition)) {                                                                         \
            std::fprintf(stderr, "%s:%d: %s does not hold\n", __FILE__, __LINE__, #condition);      \
            std::abort();                                                                           \
        }                                                                                           \
    } while (false)

inline QByteArray fuzzInput(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// No stored field ever holds a byte that would end the field or its line.
inline bool holdsNoBreak(QByteArrayView field)
{
    return !field.contains('|') && !field.contains('\r') && !field.contains('\n');
}
