#include "base/TextLines.h"

namespace TextLines {

QList<QByteArray> split(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    forEach(bytes, [&lines](QByteArrayView line) {
        lines.append(line.toByteArray());
        return true;
    });
    return lines;
}

bool isBlank(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ')
            return false;
    }
    return true;
}

} // namespace TextLines
