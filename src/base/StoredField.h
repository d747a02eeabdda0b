#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The one way every stored format (channel lists, favorites, recent files, scheduled
// programs) writes and reads its text fields and addresses.
//
// Text: the formats have no escape of their own. So that a text typed with "|" or a line
// break reads back the same, those characters are written as %7C, %0D and %0A, and a "%"
// that would read as one of these codes (or as %25) is written as %25. Any other "%" is
// written as it is, so files of other writers read unchanged.
//
// Addresses are stored scrambled. An address whose scrambled form would hold "|", CR or
// LF is stored as the equivalent URL instead: a web address percent-encoded where needed,
// a local path as a file: URL. Both read back as the same place.
namespace StoredField {

QByteArray encodeText(const QString& text);
QString decodeText(QByteArrayView stored);

// Empty when the address is empty or cannot be stored at all.
QByteArray encodeAddress(const QString& address);
// The address in clear; empty when the stored bytes are no scrambled text.
QString decodeAddress(QByteArrayView stored);

// Whether the bytes would end a field or a line if written as they are.
bool breaksALine(QByteArrayView bytes);

} // namespace StoredField
