#include "base/Scrambling.h"

namespace {

std::optional<QByteArray> shifted(const QByteArray& bytes, int delta, unsigned char forbidden)
{
    QByteArray result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == forbidden)
            return std::nullopt;
        result[i] = static_cast<char>(byte + delta);
    }
    return result;
}

} // namespace

namespace Scrambling {

std::optional<QByteArray> scrambleAddress(const QByteArray& bytes) { return shifted(bytes, -1, 0); }

std::optional<QByteArray> unscrambleAddress(const QByteArray& bytes) { return shifted(bytes, +1, 255); }

std::optional<QByteArray> decrypt(const QByteArray& key, const QByteArray& bytes)
{
    if (key.isEmpty())
        return bytes.isEmpty() ? std::optional<QByteArray>(QByteArray()) : std::nullopt;
    QByteArray result(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        result[i] = static_cast<char>(bytes[i] ^ key[i % key.size()]);
    return result;
}

} // namespace Scrambling
