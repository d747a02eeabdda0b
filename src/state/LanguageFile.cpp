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

LoadResult load(const QString& path)
{
    // Real language files are a few kilobytes; anything near this limit is not one.
    const FileIo::ReadResult read = FileIo::readWholeFile(path, 16 * 1024 * 1024);
    if (!read.ok())
        return {{}, read.error};
    return {parse(read.bytes), {}};
}

bool isSafeName(const QString& languageName)
{
    return !languageName.isEmpty() && !languageName.contains(u'/') && !languageName.contains(u'\\')
        && languageName != QStringLiteral(".") && languageName != QStringLiteral("..")
        && !languageName.contains(QChar(0));
}

} // namespace LanguageFile
