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
    // Empty on success; else what is wrong, to follow the file's name: the system's
    // description of a read failure, "is not UTF-16", "holds 1 line; 138 are needed".
    QString problem;
};
// Reads and checks the whole file: a byte-order mark, whole and valid UTF-16 code units,
// at least kTextCount texts. Only a file that passes every check gives texts.
LoadResult load(const QString& path);
// The same checks on a file's bytes.
LoadResult check(const QByteArray& bytes);

// A language name names a file in the language folder and nothing outside it.
bool isSafeName(const QString& languageName);

} // namespace LanguageFile
