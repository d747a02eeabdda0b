#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A language file: UTF-16LE code units, lines separated by CR LF. Element 0 keeps the
// byte-order mark; whoever takes text 0 drops its first character.
namespace LanguageFile {

inline constexpr int kTextCount = 138;

QStringList parse(const QByteArray& bytes);

struct LoadResult {
    QStringList texts;
    QString error; // the system's description of a read failure, empty on success
};
LoadResult load(const QString& path);

// A language name names a file in the language folder and nothing outside it.
bool isSafeName(const QString& languageName);

} // namespace LanguageFile
