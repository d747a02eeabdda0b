#include "state/Settings.h"

#include "base/FileIo.h"
#include "base/Numbers.h"
#include "base/TextCodec.h"


namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Only blanks count: tabs and other white space stay, as the file format has it.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

Settings Settings::fromBytes(const QByteArray& bytes)
{
    Settings settings;
    if (bytes.isEmpty())
        return settings;
    settings.m_lines = TextCodec::decodeEightBit(bytes).split(kLineEnd);
    // The line end after the last line starts no line of its own.
    if (settings.m_lines.size() > 1 && settings.m_lines.last().isEmpty())
        settings.m_lines.removeLast();
    QString first = settings.m_lines.first();
    first.remove(u' ');
    settings.m_count = toInt16(first).value_or(0);
    // Normalise lines 0 to SettingsCount; a count past the end stops at the last line.
    const qsizetype last = std::min<qsizetype>(settings.m_count, settings.m_lines.size() - 1);
    for (qsizetype i = 0; i <= last; ++i)
        settings.m_lines[i] = trimBlanks(settings.m_lines[i]).toLower();
    return settings;
}

Settings Settings::load(const QString& path)
{
    const FileIo::ReadResult read = FileIo::readWholeFile(path, 1024 * 1024);
    if (!read.ok())
        return {};
    return fromBytes(read.bytes);
}

QByteArray Settings::toBytes() const
{
    // Lines past SettingsCount are nobody's settings, but they are kept as they were.
    QString text;
    for (const QString& line : m_lines)
        text += line + kLineEnd;
    return TextCodec::encodeEightBit(text);
}

QString Settings::save(const QString& path) const { return FileIo::writeFileAtomically(path, toBytes()); }

bool Settings::setLine(int index, const QString& value)
{
    if (!hasLine(index))
        return false;
    m_lines[index] = value;
    return true;
}

void Settings::setOrAddLine(int index, const QString& value)
{
    if (index < 0)
        return;
    while (m_lines.size() <= index)
        m_lines.append(QString());
    if (index > m_count) {
        m_count = static_cast<std::int16_t>(index);
        m_lines[0] = QString::number(index);
    }
    m_lines[index] = value;
}

bool Settings::lineEquals(int index, const QString& literal) const
{
    return hasLine(index) && m_lines[index] == literal;
}

QString Settings::valueFrom(int index, int position) const { return line(index).mid(position - 1); }

bool Settings::alwaysOnTop() const
{
    return hasLine(AlwaysOnTop) && valueFrom(AlwaysOnTop, 5) != QStringLiteral("0");
}

bool Settings::setAlwaysOnTop(bool on)
{
    return setLine(AlwaysOnTop, on ? QStringLiteral("aot=1") : QStringLiteral("aot=0"));
}

std::int16_t Settings::remindBeforeSeconds() const
{
    const double minutes = leadingNumber(valueFrom(BeforeStartBy, 15));
    return roundToInt16(minutes * 60).value_or(0);
}

std::int16_t Settings::remindEveryMinutes() const
{
    return roundToInt16(leadingNumber(valueFrom(RemindMeEvery, 15))).value_or(0);
}
