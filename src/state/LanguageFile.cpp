#include "state/LanguageFile.h"

#include "base/FileIo.h"

namespace LanguageFile {

QStringList parse(const QByteArray& bytes)
{
    // An odd trailing byte is not a whole code unit and is dropped.
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    for (qsizetype i = 0; i < units; ++i) {
        const auto low = static_cast<unsigned char>(bytes[2 * i]);
        const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
        text[i] = QChar(static_cast<char16_t>(low | (high << 8)));
    }
    return text.split(QStringLiteral("\r\n"));
}

namespace {

bool isValidUtf16(const QByteArray& bytes)
{
    if (bytes.size() < 2 || bytes.size() % 2 != 0)
        return false;
    if (static_cast<unsigned char>(bytes[0]) != 0xFF || static_cast<unsigned char>(bytes[1]) != 0xFE)
        return false;
    bool expectLow = false;
    for (qsizetype i = 2; i < bytes.size(); i += 2) {
        const auto unit = static_cast<char16_t>(
            static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8));
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
        if (low != expectLow || (expectLow && high) || unit == 0)
            return false;
        expectLow = high;
    }
    return !expectLow;
}

} // namespace

LoadResult load(const QString& path)
{
    // Real language files are a few kilobytes; anything near this limit is not one.
    const FileIo::ReadResult read = FileIo::readWholeFile(path, 1024 * 1024);
    if (!read.ok())
        return {{}, QStringLiteral("cannot be read: %1").arg(read.error)};
    return check(read.bytes);
}

LoadResult check(const QByteArray& bytes)
{
    if (!isValidUtf16(bytes))
        return {{}, QStringLiteral("is not UTF-16 with a byte-order mark")};
    QStringList texts = parse(bytes);
    if (texts.size() < kTextCount) {
        const QString lines = texts.size() == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(texts.size());
        return {{}, QStringLiteral("holds %1; %2 are needed").arg(lines).arg(kTextCount)};
    }
    return {std::move(texts), {}};
}

bool isSafeName(const QString& languageName)
{
    return !languageName.isEmpty() && !languageName.contains(u'/') && !languageName.contains(u'\\')
        && languageName != QStringLiteral(".") && languageName != QStringLiteral("..")
        && !languageName.contains(QChar(0));
}

} // namespace LanguageFile
