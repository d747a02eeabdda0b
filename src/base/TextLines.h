#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <cstring>

// Lines of the program's 8-bit text files. A line ends at CR LF; a lone LF or CR ends a
// line too, so files saved by other tools read the same.
namespace TextLines {

// Calls `each` with every line, without its end; stops early when `each` returns false.
template <typename Each> void forEach(QByteArrayView bytes, Each each)
{
    const char* const begin = bytes.data();
    const char* const end = begin + bytes.size();
    const char* start = begin;
    const auto find = [](const char* from, const char* to, char c) {
        return from < to ? static_cast<const char*>(std::memchr(from, c, static_cast<size_t>(to - from)))
                         : nullptr;
    };
    for (;;) {
        const char* lf = find(start, end, '\n');
        const char* stop = lf ? lf : end;
        const char* cr = find(start, stop, '\r');
        const char* lineEnd = cr ? cr : stop;
        if (!each(QByteArrayView(start, lineEnd - start)))
            return;
        if (lineEnd == end)
            return;
        // CR LF counts as one line end; a CR alone or an LF alone as one too.
        start = (cr && cr + 1 == lf) ? lf + 1 : lineEnd + 1;
    }
}

QList<QByteArray> split(const QByteArray& bytes);

// Empty, or nothing but blanks: such lines are skipped by every reader.
bool isBlank(QByteArrayView line);

} // namespace TextLines
