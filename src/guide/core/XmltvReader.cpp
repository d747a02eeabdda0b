#include "guide/core/XmltvReader.h"

#include "guide/core/Gunzip.h"

#include <QFile>

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
qint64 daysFromCivil(int y, int m, int d)
{
    y -= m <= 2;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return qint64(era) * 146097 + doe - 719468;
}

int digits(QStringView text, qsizetype at, int count)
{
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const QChar c = text[at + i];
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return -1;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

} // namespace

XmltvReader::XmltvReader() { m_xml.setNamespaceProcessing(false); }

std::optional<qint64> XmltvReader::utcSeconds(QStringView text)
{
    text = text.trimmed();
    qsizetype length = 0;
    while (length < text.size() && text[length].isDigit())
        ++length;
    if (length != 12 && length != 14)
        return std::nullopt;
    const int year = digits(text, 0, 4), month = digits(text, 4, 2), day = digits(text, 6, 2);
    const int hour = digits(text, 8, 2), minute = digits(text, 10, 2);
    const int second = length == 14 ? digits(text, 12, 2) : 0;
    if (month < 1 || month > 12 || day < 1 || day > 31 || hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    qint64 utc = (daysFromCivil(year, month, day) * 24 + hour) * 3600 + minute * 60 + second;
    const QStringView zone = text.mid(length).trimmed();
    if (zone.size() == 5 && (zone[0] == QLatin1Char('+') || zone[0] == QLatin1Char('-'))) {
        const int hours = digits(zone, 1, 2), minutes = digits(zone, 3, 2);
        if (hours < 0 || minutes < 0 || hours > 14 || minutes > 59)
            return std::nullopt;
        const int offset = (hours * 60 + minutes) * 60;
        utc += zone[0] == QLatin1Char('+') ? -offset : offset;
    } else if (!zone.isEmpty() && zone != QLatin1String("Z") && zone != QLatin1String("UTC")
        && zone != QLatin1String("GMT")) {
        return std::nullopt;
    }
    return utc;
}

bool XmltvReader::fail(const QString& why)
{
    if (m_error.isEmpty())
        m_error = why;
    return false;
}

namespace {

// The XML reader is handed blocks of one size, whatever the pieces fed: what it reports
// (an error in bytes after the guide's end, say) then never depends on how they fell.
constexpr qsizetype kBlock = 64 * 1024;

} // namespace

bool XmltvReader::feed(QByteArrayView piece)
{
    if (!m_error.isEmpty())
        return false;
    m_waiting.append(piece.data(), piece.size());
    qsizetype at = 0;
    for (; m_error.isEmpty() && !m_rootClosed && m_waiting.size() - at >= kBlock; at += kBlock)
        take(m_waiting.sliced(at, kBlock));
    m_waiting.remove(0, at);
    return m_error.isEmpty();
}

void XmltvReader::take(const QByteArray& block)
{
    if (m_rootClosed)
        return; // what follows a whole guide is not read
    if (m_head.isEmpty()) {
        m_head = block.left(4);
        m_wide = m_head.contains('\0') || m_head.startsWith("\xFF\xFE") || m_head.startsWith("\xFE\xFF");
    }
    // A NUL is no character of XML, and the reader takes one differently as blocks fall.
    if (!m_wide && block.contains('\0')) {
        fail(QStringLiteral("the guide is not well-formed XML (a NUL byte)"));
        return;
    }
    m_xml.addData(block);
    readTokens();
}

void XmltvReader::readTokens()
{
    while (m_error.isEmpty() && !m_rootClosed) {
        switch (m_xml.readNext()) {
        case QXmlStreamReader::Invalid:
            // Running out of data only waits for the next piece; anything else is fatal.
            if (m_xml.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                fail(QStringLiteral("the guide is not well-formed XML (line %1: %2)")
                         .arg(m_xml.lineNumber())
                         .arg(m_xml.errorString()));
            return;
        case QXmlStreamReader::StartElement:
            ++m_depth;
            startElement();
            break;
        case QXmlStreamReader::EndElement:
            endElement();
            m_rootClosed = --m_depth == 0;
            break;
        case QXmlStreamReader::Characters:
            if (m_capture != Capture::None)
                m_text += m_xml.text();
            break;
        case QXmlStreamReader::EndDocument:
            return;
        default:
            break;
        }
    }
}

void XmltvReader::startElement()
{
    const QStringView name = m_xml.name();
    if (!m_sawTv) {
        if (name != QLatin1String("tv"))
            fail(QStringLiteral("this is not an XMLTV guide"));
        m_sawTv = true;
        return;
    }
    if (name == QLatin1String("channel") && !m_inProgramme) {
        const QString id = m_xml.attributes().value(QLatin1String("id")).toString();
        m_currentChannel = id.isEmpty() ? -1 : m_table.addChannel(id);
        return;
    }
    if (name == QLatin1String("programme")) {
        startProgramme();
        return;
    }
    if (m_capture != Capture::None)
        return; // markup inside a text: its text counts, the element does not
    Capture capture = Capture::None;
    if (m_currentChannel >= 0 && name == QLatin1String("display-name"))
        capture = Capture::DisplayName;
    else if (m_inProgramme && name == QLatin1String("title"))
        capture = Capture::Title;
    else if (m_inProgramme && name == QLatin1String("sub-title"))
        capture = Capture::SubTitle;
    else if (m_inProgramme && name == QLatin1String("desc"))
        capture = Capture::Description;
    else if (m_inProgramme && name == QLatin1String("category"))
        capture = Capture::Category;
    if (capture != Capture::None) {
        m_capture = capture;
        m_text.clear();
    }
}

void XmltvReader::endElement()
{
    const QStringView name = m_xml.name();
    if (name == QLatin1String("programme")) {
        endProgramme();
        return;
    }
    if (name == QLatin1String("channel") && !m_inProgramme) {
        m_currentChannel = -1;
        m_capture = Capture::None;
        return;
    }
    const bool ends = (m_capture == Capture::DisplayName && name == QLatin1String("display-name"))
        || (m_capture == Capture::Title && name == QLatin1String("title"))
        || (m_capture == Capture::SubTitle && name == QLatin1String("sub-title"))
        || (m_capture == Capture::Description && name == QLatin1String("desc"))
        || (m_capture == Capture::Category && name == QLatin1String("category"));
    if (!ends)
        return;
    const QString text = m_text.trimmed();
    if (m_capture == Capture::DisplayName) {
        if (m_currentChannel >= 0)
            m_table.addName(m_currentChannel, text);
    } else {
        QString& slot = m_programmeTexts[static_cast<int>(m_capture) - static_cast<int>(Capture::Title)];
        if (slot.isEmpty())
            slot = text;
    }
    m_capture = Capture::None;
    m_text.clear();
}

void XmltvReader::startProgramme()
{
    const QXmlStreamAttributes attributes = m_xml.attributes();
    m_inProgramme = true;
    m_capture = Capture::None;
    for (QString& text : m_programmeTexts)
        text.clear();
    const std::optional<int> channel
        = m_table.channelOfId(attributes.value(QLatin1String("channel")).toString());
    const std::optional<qint64> start = utcSeconds(attributes.value(QLatin1String("start")));
    const std::optional<qint64> stop = utcSeconds(attributes.value(QLatin1String("stop")));
    m_programmeUsable = channel && start;
    if (!m_programmeUsable)
        return;
    m_programme = {};
    m_programme.channel = *channel;
    m_programme.start = *start;
    m_programme.stop = stop && *stop > *start ? *stop : 0; // unknown: where the next begins
}

void XmltvReader::endProgramme()
{
    m_inProgramme = false;
    m_capture = Capture::None;
    if (!m_programmeUsable)
        return;
    if (m_table.programmes().size() >= kMostProgrammes) {
        fail(QStringLiteral("the guide holds more than %1 programmes").arg(kMostProgrammes));
        return;
    }
    m_programme.title = m_table.keep(m_programmeTexts[0].toUtf8());
    m_programme.subTitle = m_table.keep(m_programmeTexts[1].toUtf8());
    m_programme.description = m_table.keep(m_programmeTexts[2].toUtf8());
    m_programme.category = m_table.keep(m_programmeTexts[3].toUtf8());
    m_table.addProgramme(m_programme);
}

std::optional<GuideTable> XmltvReader::finish()
{
    if (m_error.isEmpty() && !m_waiting.isEmpty())
        take(std::exchange(m_waiting, {}));
    if (!m_error.isEmpty())
        return std::nullopt;
    // The reader cannot know that no more data comes, so the document's end is its
    // element's end.
    if (!m_sawTv || !m_rootClosed) {
        fail(m_sawTv ? QStringLiteral("the guide ends before its last element closes")
                     : QStringLiteral("this is not an XMLTV guide"));
        return std::nullopt;
    }
    m_table.seal();
    return std::move(m_table);
}

std::optional<GuideTable> XmltvReader::read(QByteArrayView bytes, qint64 maxUnpacked, QString* error)
{
    if (error)
        error->clear();
    XmltvReader reader;
    constexpr qsizetype kPiece = 1024 * 1024;
    bool fed = true;
    if (Gunzip::looksCompressed(bytes)) {
        Gunzip gunzip(maxUnpacked, [&reader](QByteArrayView piece) { return reader.feed(piece); });
        for (qsizetype at = 0; fed && at < bytes.size(); at += kPiece)
            fed = gunzip.feed(bytes.sliced(at, std::min(kPiece, bytes.size() - at)));
        if (fed)
            fed = gunzip.finish();
        if (!fed && reader.error().isEmpty() && error)
            *error = QStringLiteral("the guide could not be unpacked: ") + gunzip.error();
    } else {
        if (bytes.size() > maxUnpacked) {
            if (error)
                *error = QStringLiteral("the guide is larger than %1 MB").arg(maxUnpacked / (1024 * 1024));
            return std::nullopt;
        }
        for (qsizetype at = 0; fed && at < bytes.size(); at += kPiece)
            fed = reader.feed(bytes.sliced(at, std::min(kPiece, bytes.size() - at)));
    }
    std::optional<GuideTable> table = fed ? reader.finish() : std::nullopt;
    if (!table && error && error->isEmpty())
        *error = reader.error();
    return table;
}

std::optional<GuideTable> XmltvReader::readFile(
    const QString& path, qint64 maxUnpacked, QString* error, const std::function<bool()>& stop)
{
    QString ignored;
    QString& why = error ? *error : ignored;
    why.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
        return std::nullopt;
    }
    constexpr qint64 kPiece = 1024 * 1024;
    XmltvReader reader;
    QByteArray piece = file.read(kPiece);
    const bool packed = Gunzip::looksCompressed(piece);
    Gunzip gunzip(maxUnpacked, [&reader](QByteArrayView unpacked) { return reader.feed(unpacked); });
    qint64 plainBytes = 0;
    bool fed = true;
    while (fed && !piece.isEmpty()) {
        if (stop && stop()) {
            why = QStringLiteral("stopped");
            return std::nullopt;
        }
        if (packed) {
            fed = gunzip.feed(piece);
        } else {
            plainBytes += piece.size();
            fed = plainBytes <= maxUnpacked && reader.feed(piece);
        }
        piece = file.read(kPiece);
    }
    if (fed && packed)
        fed = gunzip.finish();
    std::optional<GuideTable> table = fed ? reader.finish() : std::nullopt;
    if (!table) {
        why = !reader.error().isEmpty() ? reader.error()
            : packed                    ? QStringLiteral("the guide could not be unpacked: ") + gunzip.error()
                     : QStringLiteral("the guide is larger than %1 MB").arg(maxUnpacked / (1024 * 1024));
    }
    return table;
}
