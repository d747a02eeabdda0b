#include "check/core/ChannelHealth.h"

#include "base/TextLines.h"

#include <QLocale>

#include <algorithm>

namespace ChannelHealth {

namespace {

bool looksLikeMarkup(const QByteArray& head)
{
    const QByteArray start = head.left(512).trimmed().toLower();
    return start.startsWith("<!doctype html") || start.startsWith("<html") || start.startsWith("<?xml")
        || start.startsWith("<head") || start.startsWith("<body");
}

QString reasonOf(Verdict verdict, const Prober::Answer& answer)
{
    switch (verdict) {
    case Verdict::Refuses:
        return QStringLiteral("error %1").arg(answer.status);
    case Verdict::NotMedia:
        return QStringLiteral("not media");
    default:
        return QStringLiteral("no answer");
    }
}

// A reason is written only as one of the words above: nothing of the server's reaches the file.
bool isKnownReason(const QString& reason)
{
    if (reason == QStringLiteral("no answer") || reason == QStringLiteral("not media"))
        return true;
    bool ok = false;
    return reason.startsWith(QStringLiteral("error ")) && reason.mid(6).toInt(&ok) >= 0 && ok;
}

// The file keeps whole seconds; a time written with more reads as its second.
QDateTime wholeSeconds(const QDateTime& time)
{
    return time.isValid() ? time.addMSecs(-time.time().msec()) : time;
}

} // namespace

Verdict judge(const Prober::Answer& answer)
{
    if (answer.status == 0)
        return Verdict::Silent;
    if (answer.status >= 400)
        return Verdict::Refuses;
    const QByteArray type = answer.contentType.trimmed().toLower();
    if (type.startsWith("text/html") || type.startsWith("application/xhtml") || looksLikeMarkup(answer.head))
        return Verdict::NotMedia;
    return Verdict::Answers;
}

Marks Marks::fromBytes(const QByteArray& bytes)
{
    Marks marks;
    TextLines::forEach(bytes, [&marks](QByteArrayView line) {
        const QList<QByteArray> fields = line.toByteArray().split('|');
        Mark mark;
        if (fields.size() == 5 && fields[4].isEmpty() && !fields[0].isEmpty()) {
            mark.since = wholeSeconds(QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate));
            mark.checked = wholeSeconds(QDateTime::fromString(QString::fromLatin1(fields[2]), Qt::ISODate));
            mark.reason = QString::fromLatin1(fields[3]);
        }
        if (mark.since.isValid() && mark.checked.isValid() && isKnownReason(mark.reason)
            && !marks.m_marks.contains(fields[0])) {
            marks.m_marks.insert(fields[0], mark);
        } else if (!line.isEmpty()) {
            marks.m_unread += line.toByteArray() + "\r\n";
        }
        return true;
    });
    return marks;
}

QByteArray Marks::toBytes() const
{
    QList<QByteArray> addresses = m_marks.keys();
    std::sort(addresses.begin(), addresses.end()); // the same marks, the same file
    QByteArray bytes;
    for (const QByteArray& address : std::as_const(addresses)) {
        const Mark& mark = m_marks[address];
        bytes += address + '|' + mark.since.toUTC().toString(Qt::ISODate).toLatin1() + '|'
            + mark.checked.toUTC().toString(Qt::ISODate).toLatin1() + '|' + mark.reason.toLatin1() + "|\r\n";
    }
    return bytes + m_unread;
}

void Marks::record(
    const QByteArray& address, Verdict verdict, const Prober::Answer& answer, const QDateTime& now)
{
    if (address.isEmpty() || address.contains('|') || address.contains('\r') || address.contains('\n'))
        return;
    if (verdict == Verdict::Answers) {
        m_marks.remove(address);
        return;
    }
    auto found = m_marks.find(address);
    if (found == m_marks.end()) {
        m_marks.insert(address, {wholeSeconds(now), wholeSeconds(now), reasonOf(verdict, answer)});
        return;
    }
    found->checked = wholeSeconds(now);
    found->reason = reasonOf(verdict, answer);
}

QString describe(const Mark& mark)
{
    return QStringLiteral("Not answering since %1 (%2; last checked %3)")
        .arg(QLocale().toString(mark.since.toLocalTime(), QLocale::ShortFormat), mark.reason,
            QLocale().toString(mark.checked.toLocalTime(), QLocale::ShortFormat));
}

} // namespace ChannelHealth
