#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// A programme guide in memory: the channels it knows and their programmes, times in UTC
// seconds. Texts sit in one pool of UTF-8, so that a week of a few thousand channels
// costs little more than its texts. Built by the XMLTV reader, then only read.
class GuideTable final {
public:
    struct Text {
        quint32 offset = 0;
        quint32 length = 0;
    };
    struct Programme {
        qint64 start = 0;
        qint64 stop = 0; // after start; the next programme's start where none was given
        qint32 channel = 0;
        Text title, subTitle, description, category;
    };
    struct Channel {
        QString id;
        QStringList names;
        qint32 first = 0; // its programmes: [first, end), by start
        qint32 end = 0;
    };
    struct NowNext {
        const Programme* now = nullptr;
        const Programme* next = nullptr;
    };

    const QVector<Channel>& channels() const { return m_channels; }
    const QVector<Programme>& programmes() const { return m_programmes; }
    QString text(Text text) const;
    qint64 sizeInBytes() const;

    // The channel of an id the guide gave it, else of a name compared as ChannelNames does.
    std::optional<int> channelFor(const QString& guideId, const QString& name) const;
    // What is on at `utc` and what follows; both null for a channel with nothing then.
    NowNext nowNext(int channel, qint64 utc) const;
    // The channel's programmes that end after `from` and start before `to`.
    QVector<const Programme*> between(int channel, qint64 from, qint64 to) const;

    // Building, for the reader.
    int addChannel(const QString& id);
    void addName(int channel, const QString& name);
    std::optional<int> channelOfId(const QString& id) const;
    Text keep(const QByteArray& utf8);
    void addProgramme(const Programme& programme) { m_programmes.append(programme); }
    // Orders each channel's programmes, drops a second programme at the same start, ends
    // each programme at the latest where the next begins, and indexes the names.
    void seal();
    // Takes in another guide's channels and programmes; channels of the same id become one.
    void merge(const GuideTable& other);

private:
    QVector<Channel> m_channels;
    QVector<Programme> m_programmes;
    QByteArray m_texts;
    QHash<QString, int> m_byId;
    QHash<QString, int> m_byName; // names as ChannelNames compares them
};
