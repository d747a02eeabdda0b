#include "guide/core/GuideTable.h"

#include "guide/core/ChannelNames.h"

#include <algorithm>

QString GuideTable::text(Text text) const
{
    if (qsizetype(text.offset) + text.length > m_texts.size())
        return {};
    return QString::fromUtf8(m_texts.constData() + text.offset, text.length);
}

qint64 GuideTable::sizeInBytes() const
{
    qint64 size = m_texts.capacity() + m_programmes.capacity() * qint64(sizeof(Programme))
        + m_channels.capacity() * qint64(sizeof(Channel));
    for (const Channel& channel : m_channels) {
        size += channel.id.capacity() * 2;
        for (const QString& name : channel.names)
            size += name.capacity() * 2 + qint64(sizeof(QString));
    }
    return size
        + (m_byId.size() + m_byName.size()) * qint64(sizeof(QString) + 2 * sizeof(void*) + sizeof(int));
}

int GuideTable::addChannel(const QString& id)
{
    const auto known = m_byId.constFind(id);
    if (known != m_byId.constEnd())
        return *known;
    m_channels.append({id, {}, 0, 0});
    m_byId.insert(id, static_cast<int>(m_channels.size() - 1));
    return static_cast<int>(m_channels.size() - 1);
}

void GuideTable::addName(int channel, const QString& name)
{
    if (channel < 0 || channel >= m_channels.size())
        return;
    QStringList& names = m_channels[channel].names;
    if (!name.isEmpty() && !names.contains(name))
        names.append(name);
}

std::optional<int> GuideTable::channelOfId(const QString& id) const
{
    const auto known = m_byId.constFind(id);
    return known == m_byId.constEnd() ? std::nullopt : std::optional<int>(*known);
}

GuideTable::Text GuideTable::keep(const QByteArray& utf8)
{
    if (utf8.isEmpty())
        return {};
    const Text kept {static_cast<quint32>(m_texts.size()), static_cast<quint32>(utf8.size())};
    m_texts.append(utf8);
    return kept;
}

void GuideTable::seal()
{
    std::stable_sort(m_programmes.begin(), m_programmes.end(), [](const Programme& a, const Programme& b) {
        return a.channel != b.channel ? a.channel < b.channel : a.start < b.start;
    });
    QVector<Programme> kept;
    kept.reserve(m_programmes.size());
    for (const Programme& p : std::as_const(m_programmes)) {
        if (!kept.isEmpty() && kept.last().channel == p.channel && kept.last().start == p.start)
            continue; // the same slot twice: the first one holds
        if (!kept.isEmpty() && kept.last().channel == p.channel
            && (kept.last().stop <= kept.last().start || kept.last().stop > p.start))
            kept.last().stop = p.start; // unknown or overlapping: it ends where the next begins
        kept.append(p);
    }
    kept.squeeze();
    m_programmes = std::move(kept);
    m_programmes.erase(std::remove_if(m_programmes.begin(), m_programmes.end(),
                           [](const Programme& p) { return p.stop <= p.start; }),
        m_programmes.end()); // the last of a channel without an end says nothing of its length
    for (Channel& channel : m_channels)
        channel.first = channel.end = 0;
    for (qsizetype i = 0; i < m_programmes.size(); ++i) {
        Channel& channel = m_channels[m_programmes[i].channel];
        if (channel.end == 0)
            channel.first = static_cast<qint32>(i);
        channel.end = static_cast<qint32>(i + 1);
    }
    m_byName.clear();
    for (qsizetype c = 0; c < m_channels.size(); ++c) {
        for (const QString& name : std::as_const(m_channels[c].names)) {
            const QString key = ChannelNames::comparable(name);
            if (!key.isEmpty() && !m_byName.contains(key))
                m_byName.insert(key, static_cast<int>(c));
        }
    }
    m_texts.squeeze();
}

void GuideTable::merge(const GuideTable& other)
{
    const auto offset = static_cast<quint32>(m_texts.size());
    m_texts.append(other.m_texts);
    QVector<int> channelOf(other.m_channels.size());
    for (qsizetype c = 0; c < other.m_channels.size(); ++c) {
        channelOf[c] = addChannel(other.m_channels[c].id);
        for (const QString& name : other.m_channels[c].names)
            addName(channelOf[c], name);
    }
    const auto moved = [offset](Text t) { return t.length ? Text {t.offset + offset, t.length} : t; };
    m_programmes.reserve(m_programmes.size() + other.m_programmes.size());
    for (const Programme& p : other.m_programmes)
        m_programmes.append({p.start, p.stop, channelOf[p.channel], moved(p.title), moved(p.subTitle),
            moved(p.description), moved(p.category)});
}

std::optional<int> GuideTable::channelFor(const QString& guideId, const QString& name) const
{
    if (!guideId.isEmpty()) {
        if (const std::optional<int> byId = channelOfId(guideId))
            return byId;
    }
    const QString key = ChannelNames::comparable(name);
    const auto byName = m_byName.constFind(key);
    if (key.isEmpty() || byName == m_byName.constEnd())
        return std::nullopt;
    return *byName;
}

GuideTable::NowNext GuideTable::nowNext(int channel, qint64 utc) const
{
    if (channel < 0 || channel >= m_channels.size())
        return {};
    const Channel& c = m_channels[channel];
    const Programme* begin = m_programmes.constData() + c.first;
    const Programme* end = m_programmes.constData() + c.end;
    const Programme* after
        = std::upper_bound(begin, end, utc, [](qint64 t, const Programme& p) { return t < p.start; });
    NowNext found;
    if (after != begin && (after - 1)->stop > utc)
        found.now = after - 1;
    if (after != end)
        found.next = after;
    return found;
}

QVector<const GuideTable::Programme*> GuideTable::between(int channel, qint64 from, qint64 to) const
{
    QVector<const Programme*> found;
    if (channel < 0 || channel >= m_channels.size())
        return found;
    const Channel& c = m_channels[channel];
    for (qint32 i = c.first; i < c.end; ++i) {
        const Programme& p = m_programmes[i];
        if (p.stop > from && p.start < to)
            found.append(&p);
    }
    return found;
}
