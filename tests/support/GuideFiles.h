#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include <zlib.h>

// XMLTV guides the tests make: a small one by hand, a large one of any size, and gzip.
namespace GuideFiles {

inline QByteArray gzip(const QByteArray& plain)
{
    z_stream z {};
    deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(static_cast<qsizetype>(deflateBound(&z, static_cast<uLong>(plain.size()))) + 64, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(plain.constData()));
    z.avail_in = static_cast<uInt>(plain.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = static_cast<uInt>(out.size());
    deflate(&z, Z_FINISH);
    out.resize(static_cast<qsizetype>(z.total_out));
    deflateEnd(&z);
    return out;
}

// "YYYYMMDDhhmmss +hhmm" for a moment, written in the given offset from UTC.
inline QByteArray xmltvTime(const QDateTime& moment, int offsetSeconds)
{
    const QDateTime there = moment.toTimeZone(QTimeZone(offsetSeconds));
    const int minutes = std::abs(offsetSeconds) / 60;
    return there.toString(QStringLiteral("yyyyMMddHHmmss")).toLatin1() + (offsetSeconds < 0 ? " -" : " +")
        + QByteArray::number(minutes / 60).rightJustified(2, '0')
        + QByteArray::number(minutes % 60).rightJustified(2, '0');
}

inline QByteArray escaped(const QString& text) { return text.toHtmlEscaped().toUtf8(); }

struct Show {
    QString channel;
    QDateTime start;
    int minutes;
    QString title;
    QString description;
    int offsetSeconds = 3600;
};

inline QByteArray guide(const QList<QPair<QString, QStringList>>& channels, const QList<Show>& shows)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<tv generator-info-name=\"test\">\n";
    for (const auto& [id, names] : channels) {
        xml += "<channel id=\"" + escaped(id) + "\">";
        for (const QString& name : names)
            xml += "<display-name lang=\"en\">" + escaped(name) + "</display-name>";
        xml += "</channel>\n";
    }
    for (const Show& s : shows) {
        xml += "<programme start=\"" + xmltvTime(s.start, s.offsetSeconds) + "\" stop=\""
            + xmltvTime(s.start.addSecs(s.minutes * 60), s.offsetSeconds) + "\" channel=\""
            + escaped(s.channel) + "\">" + "<title lang=\"en\">" + escaped(s.title) + "</title>"
            + "<desc lang=\"en\">" + escaped(s.description)
            + "</desc><category lang=\"en\">News</category></programme>\n";
    }
    return xml + "</tv>\n";
}

} // namespace GuideFiles
