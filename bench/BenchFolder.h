#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

// A program folder for a benchmark: the lists and favorites given (empty by default), the
// shipped settings and the English texts.
namespace BenchFolder {

struct Lists {
    QByteArray tv, radio, store, favorites;
};

inline void fill(const QString& path, const Lists& lists = {})
{
    const QDir root(path);
    const auto put = [&root](const char* name, const QByteArray& bytes) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    };
    put("avtapit.dll", lists.tv);
    put("atlr.dll", lists.radio);
    put("apcupm.dll", lists.store);
    put("fav.fav", lists.favorites);
    // The shipped settings, with the update check and the new-version question off: a
    // benchmark measures the program, never a network that does not answer.
    QFile shipped(QStringLiteral(VIDORRA_DATA_DIR "/inf"));
    QByteArray settings = shipped.open(QIODevice::ReadOnly) ? shipped.readAll() : QByteArray();
    settings.replace("updatechannel=1", "updatechannel=0").replace("tellnewversion=1", "tellnewversion=0");
    put("inf", settings);
    root.mkdir(QStringLiteral("Language"));
    QFile::copy(QStringLiteral(VIDORRA_DATA_DIR "/Language/english"),
        root.filePath(QStringLiteral("Language/english")));
}

} // namespace BenchFolder
