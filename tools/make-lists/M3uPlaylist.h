#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

// An M3U or M3U8 playlist as people share them: "#EXTINF:-1 key="value" ...,Title" lines,
// option lines (#EXTVLCOPT), then the address.
struct M3uEntry {
    QString title;
    QMap<QString, QString> attributes; // keys in lower case
    QStringList options; // the text after "#EXTVLCOPT:"
    QString url;
    int line = 0; // 1-based line of the address
};

struct M3uPlaylist {
    QVector<M3uEntry> entries;
    QStringList problems; // lines that could not be understood, with their line numbers

    static M3uPlaylist parse(const QByteArray& bytes);
};
