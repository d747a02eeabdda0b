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
    QString url; // as written: possibly relative to the playlist's own address
    int line = 0; // 1-based line of the address
    bool described = false; // an "#EXTINF" line came before the address
};

struct M3uPlaylist {
    QMap<QString, QString> header; // the attributes of the "#EXTM3U" line ("url-tvg", ...)
    QVector<M3uEntry> entries;
    QStringList problems; // lines that could not be understood, with their line numbers

    static M3uPlaylist parse(const QByteArray& bytes);
};

// Reads a playlist a part at a time, so that a long one can be read between other work.
// A byte order mark, CR LF or LF line ends, a missing "#EXTM3U" and directives it does
// not know are all taken in stride.
class M3uReader final {
public:
    static constexpr qsizetype kLongestLine = 64 * 1024; // longer lines are no entry or address

    explicit M3uReader(QByteArray bytes);

    bool atEnd() const { return m_position >= m_bytes.size(); }
    // Reads up to `lines` more lines into `into`.
    void read(int lines, M3uPlaylist& into);
    // How far the reading has come, from 0 to 1.
    double progress() const;

private:
    void take(QByteArrayView line, M3uPlaylist& into);

    QByteArray m_bytes;
    qsizetype m_position = 0;
    int m_lineNumber = 0;
    M3uEntry m_pending;
    bool m_havePending = false;
};
