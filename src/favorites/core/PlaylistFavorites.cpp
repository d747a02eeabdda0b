#include "favorites/core/PlaylistFavorites.h"

#include "base/StoredField.h"
#include "catalogue/core/CountryFlags.h"
#include "catalogue/core/PlaylistImport.h"

#include <QDir>
#include <QFileInfo>

namespace PlaylistFavorites {

namespace {

bool isNetworkScheme(const QString& scheme)
{
    static const QStringList schemes {QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("rtsp"),
        QStringLiteral("rtmp"), QStringLiteral("mms"), QStringLiteral("mmsh"), QStringLiteral("rtp"),
        QStringLiteral("udp")};
    return schemes.contains(scheme);
}

bool holdsControlCharacters(const QString& text)
{
    return std::any_of(
        text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
}

// A relative address on the web is a path: a line of running text or markup is none.
bool looksLikePath(const QString& text)
{
    return !std::any_of(text.begin(), text.end(),
        [](QChar c) { return c.isSpace() || c == u'<' || c == u'>' || c == u'"' || c == u'{' || c == u'}'; });
}

// The entry's address as it plays: absolute, against the playlist's own address. Only an
// entry an "#EXTINF" line describes may give a relative one.
QString resolvedAddress(const QString& written, bool described, const QUrl& playlistAddress)
{
    if (written.isEmpty() || holdsControlCharacters(written))
        return {};
    const QUrl url(written);
    if (url.isValid() && isNetworkScheme(url.scheme().toLower()))
        return url.host().isEmpty() ? QString() : written;
    const bool absolutePath = written.startsWith(u'/');
    if (!(described || (absolutePath && playlistAddress.isLocalFile())))
        return {};
    if (!playlistAddress.isLocalFile() && !looksLikePath(written))
        return {};
    if (!playlistAddress.isLocalFile()) {
        if (!url.scheme().isEmpty() && url.scheme().size() > 1)
            return {}; // another scheme, or a local file named by a playlist from the web
        const QUrl resolved = playlistAddress.resolved(QUrl(written));
        return resolved.isValid() && isNetworkScheme(resolved.scheme().toLower()) ? resolved.toString()
                                                                                  : QString();
    }
    if (url.isLocalFile())
        return url.toLocalFile();
    if (!url.scheme().isEmpty() && url.scheme().size() > 1)
        return {};
    const QDir folder = QFileInfo(playlistAddress.toLocalFile()).dir();
    return QDir::cleanPath(folder.absoluteFilePath(written));
}

bool isRadio(const M3uEntry& entry)
{
    const auto& a = entry.attributes;
    return a.value(QStringLiteral("vidorra-kind")).compare(QStringLiteral("radio"), Qt::CaseInsensitive) == 0
        || a.value(QStringLiteral("radio")).compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0
        || a.value(QStringLiteral("group-title")).contains(QStringLiteral("radio"), Qt::CaseInsensitive);
}

// A group that is a country's name stands for the country when no tvg-country says it.
QString countryOfGroup(const M3uEntry& entry)
{
    const QStringList groups = entry.attributes.value(QStringLiteral("group-title")).split(u';');
    for (const QString& group : groups) {
        for (const FlagKey& key : CountryFlags::all()) {
            if (group.trimmed().compare(QLatin1String(key.key), Qt::CaseInsensitive) == 0)
                return QString::fromLatin1(key.key);
        }
    }
    return QStringLiteral("0");
}

QString attributeValue(const QString& text)
{
    QString value = text;
    value.replace(u'"', u'\'');
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

std::optional<ChannelRecord> favoriteFrom(const M3uEntry& entry, const QUrl& playlistAddress)
{
    const QString address = resolvedAddress(entry.url.trimmed(), entry.described, playlistAddress);
    const QByteArray stored = StoredField::encodeAddress(address);
    if (stored.isEmpty())
        return std::nullopt;
    const bool local = !isNetworkScheme(QUrl(address).scheme().toLower());
    M3uEntry plain = entry;
    plain.attributes.remove(
        QStringLiteral("vidorra-kind")); // favorites are TV, radio or files, never a store page
    ChannelRecord favorite = PlaylistImport::toRecord(plain, {});
    favorite.kind = local ? ChannelRecord::ComputerFile
        : isRadio(entry)  ? ChannelRecord::Radio
                          : ChannelRecord::Tv;
    favorite.address = stored;
    // The name as the playlist gives it: a favorite keeps what its owner called it.
    favorite.name = entry.title.trimmed();
    if (favorite.name.isEmpty())
        favorite.name = address;
    if (favorite.country.isEmpty())
        favorite.country = countryOfGroup(entry);
    return favorite;
}

Import::Import(const QVector<ChannelRecord>& favorites, QUrl playlistAddress, int room)
    : m_address(std::move(playlistAddress)), m_room(std::max(room, 0))
{
    m_known.reserve(favorites.size());
    for (const ChannelRecord& favorite : favorites)
        m_known.insert(favorite.address.toByteArray());
}

void Import::take(const M3uPlaylist& part)
{
    m_unreadable += static_cast<int>(part.problems.size());
    for (const QString& key : {QStringLiteral("url-tvg"), QStringLiteral("x-tvg-url")}) {
        for (const QString& named : part.header.value(key).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QUrl guide = m_address.resolved(QUrl(named.trimmed()));
            if ((guide.scheme() == QLatin1String("http") || guide.scheme() == QLatin1String("https"))
                && !guide.host().isEmpty() && !m_guides.contains(guide.toString()))
                m_guides.append(guide.toString());
        }
    }
    for (const M3uEntry& entry : part.entries) {
        std::optional<ChannelRecord> favorite = favoriteFrom(entry, m_address);
        if (!favorite) {
            ++m_unreadable;
        } else if (m_known.contains(favorite->address.toByteArray())) {
            ++m_skipped;
        } else if (m_added.size() >= m_room) {
            ++m_overflow;
        } else {
            m_known.insert(favorite->address.toByteArray());
            const QString guideId = entry.attributes.value(QStringLiteral("tvg-id")).trimmed();
            if (!guideId.isEmpty())
                m_guideIds.insert(favorite->address.toByteArray(), guideId);
            m_added.append(std::move(*favorite));
        }
    }
}

QByteArray toPlaylist(const QVector<ChannelRecord>& favorites)
{
    QString text = QStringLiteral("#EXTM3U\r\n");
    for (const ChannelRecord& favorite : favorites) {
        const QString address = StoredField::decodeAddress(favorite.address);
        if (address.isEmpty())
            continue;
        QString attributes;
        if (!favorite.country.isEmpty() && favorite.country != QStringLiteral("0"))
            attributes += QStringLiteral(" tvg-country=\"%1\"").arg(attributeValue(favorite.country));
        if (!favorite.category.isEmpty() && favorite.category != QStringLiteral("0"))
            attributes += QStringLiteral(" group-title=\"%1\"").arg(attributeValue(favorite.category));
        if (favorite.kind == ChannelRecord::Radio)
            attributes += QStringLiteral(" radio=\"true\"");
        attributes += QStringLiteral(" vidorra-player=\"%1\"").arg(favorite.op);
        if (!favorite.bandwidth.isEmpty())
            attributes += QStringLiteral(" vidorra-bandwidth=\"%1\"").arg(attributeValue(favorite.bandwidth));
        if (!favorite.info.isEmpty())
            attributes
                += QStringLiteral(" vidorra-info=\"%1\"").arg(attributeValue(favorite.info.toString()));
        QString name = favorite.name;
        name.replace(u'\r', u' ').replace(u'\n', u' ');
        text += QStringLiteral("#EXTINF:-1%1,%2\r\n%3\r\n").arg(attributes, name, address);
    }
    return text.toUtf8();
}

} // namespace PlaylistFavorites
