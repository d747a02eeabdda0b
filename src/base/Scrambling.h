#pragma once

#include <QByteArray>

#include <optional>

// The address scrambling of the list, favorites and recent-files files, and the keyed
// scrambling of the announcement file. All work on bytes.
namespace Scrambling {

// Each byte minus one; nothing when a byte is 0.
std::optional<QByteArray> scrambleAddress(const QByteArray& bytes);
// Each byte plus one; nothing when a byte is 255.
std::optional<QByteArray> unscrambleAddress(const QByteArray& bytes);
// XOR with the key repeated; applying it twice gives the text back. An empty key gives nothing.
std::optional<QByteArray> decrypt(const QByteArray& key, const QByteArray& bytes);

} // namespace Scrambling
