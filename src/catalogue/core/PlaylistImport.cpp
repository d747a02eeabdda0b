#include "catalogue/core/PlaylistImport.h"

#include "base/StoredField.h"
#include "catalogue/core/Categories.h"
#include "catalogue/core/CountryFlags.h"
#include "catalogue/core/ListFormat.h"

#include <QRegularExpression>
#include <QUrl>

namespace PlaylistImport {

namespace {

struct Synonym {
    const char* word;
    const char* category;
};

// Group titles seen in public playlists, with the category each belongs to.
const Synonym kSynonyms[] = {
    {"KIDS", "CHILDREN"},
    {"ANIMATION", "CHILDREN"},
    {"FAMILY", "CHILDREN"},
    {"EDUCATION", "EDUCATIONAL"},
    {"DOCUMENTARY", "EDUCATIONAL"},
    {"SCIENCE", "EDUCATIONAL"},
    {"CULTURE", "EDUCATIONAL"},
    {"COMEDY", "ENTERTAINMENT"},
    {"GENERAL", "ENTERTAINMENT"},
    {"SERIES", "ENTERTAINMENT"},
    {"LEGISLATIVE", "GOVERNMENT"},
    {"TRAVEL", "LIFESTYLE"},
    {"COOKING", "LIFESTYLE"},
    {"OUTDOOR", "LIFESTYLE"},
    {"AUTO", "LIFESTYLE"},
    {"MOVIE", "MOVIES"},
    {"CLASSIC", "MOVIES"},
    {"SPORT", "SPORTS"},
    {"RELIGION", "RELIGIOUS"},
    {"FINANCE", "BUSINESS"},
    {"ECONOMY", "BUSINESS"},
};

std::uint8_t kindFrom(const QString& value, std::uint8_t fallback)
{
    const QString v = value.toLower();
    if (v == QStringLiteral("tv"))
        return ChannelRecord::Tv;
    if (v == QStringLiteral("radio"))
        return ChannelRecord::Radio;
    if (v == QStringLiteral("store"))
        return ChannelRecord::MovieStore;
    return fallback;
}

QString countryFrom(const QString& value, const QString& fallback)
{
    if (value.isEmpty())
        return fallback;
    if (CountryFlags::indexOf(value) >= 0)
        return value;
    const QString first = value.section(u';', 0, 0).trimmed();
    const QString byCode
        = CountryFlags::keyForIsoCode(first == QStringLiteral("UK") ? QStringLiteral("gb") : first);
    return byCode.isEmpty() ? value : byCode;
}

} // namespace

QString storePage(const QString& url, const QString& name)
{
    const QString href = url.toHtmlEscaped();
    return QStringLiteral(
        "<html><head><meta charset=\"utf-8\"><meta http-equiv=\"refresh\" content=\"0; url=%1\">"
        "<title>%2</title></head><body><p><a href=\"%1\">%2</a></p></body></html>")
        .arg(href, name.toHtmlEscaped());
}

QString cleanTitle(const QString& title)
{
    static const QRegularExpression tag(QStringLiteral("\\s*(\\([^()]*\\)|\\[[^\\[\\]]*\\])\\s*$"));
    static const QRegularExpression keep(
        QStringLiteral("^\\s*[\\(\\[](\\d+p|not 24/7|geo-blocked)[\\)\\]]\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    QString name = title.trimmed();
    for (;;) {
        const QRegularExpressionMatch m = tag.match(name);
        if (!m.hasMatch() || !keep.match(m.captured(1)).hasMatch())
            break;
        name.chop(m.capturedLength());
    }
    return name.trimmed();
}

QString categoryFor(const QString& groupTitle)
{
    const QStringList groups = groupTitle.split(u';', Qt::SkipEmptyParts);
    for (const QString& group : groups) {
        const QString word = group.trimmed().toUpper();
        const int direct = Categories::indexFor(word);
        if (direct >= 0 && word != QStringLiteral("0"))
            return QString::fromLatin1(Categories::all()[static_cast<size_t>(direct)].text);
        for (const Synonym& s : kSynonyms) {
            if (word == QLatin1String(s.word)) {
                const int index = Categories::indexFor(QString::fromLatin1(s.category));
                return QString::fromLatin1(Categories::all()[static_cast<size_t>(index)].text);
            }
        }
    }
    return QStringLiteral("0");
}

bool isPlayableAddress(const QString& url)
{
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && !parsed.host().isEmpty()
        && (scheme == QStringLiteral("http") || scheme == QStringLiteral("https"));
}

ChannelRecord toRecord(const M3uEntry& entry, const Defaults& defaults)
{
    const auto& a = entry.attributes;
    ChannelRecord record;
    record.kind = kindFrom(a.value(QStringLiteral("vidorra-kind")), defaults.kind);
    record.name = cleanTitle(a.value(QStringLiteral("tvg-name"), entry.title));
    if (record.name.isEmpty())
        record.name = entry.title;
    record.country = countryFrom(a.value(QStringLiteral("tvg-country")), defaults.country);
    const QString group = a.value(QStringLiteral("group-title"));
    record.category = group.isEmpty()
        ? (defaults.category.isEmpty() ? QStringLiteral("0") : defaults.category)
        : categoryFor(group);
    bool ok = false;
    const int op = a.value(QStringLiteral("vidorra-player")).toInt(&ok);
    record.op = ok && op >= 0 && op <= 5 ? static_cast<std::uint8_t>(op) : defaults.op;
    record.bandwidth = a.value(QStringLiteral("vidorra-bandwidth"));
    record.info = a.value(QStringLiteral("vidorra-info"));
    if (record.kind == ChannelRecord::MovieStore) {
        record.op = 5;
        record.address = StoredField::encodeText(storePage(entry.url, record.name));
    } else {
        record.address = StoredField::encodeAddress(entry.url);
    }
    if (record.kind != ChannelRecord::Tv)
        record.category.clear();
    if (record.kind == ChannelRecord::Radio)
        record.country.remove(u' '); // the radio list keeps no blanks in a country
    return record;
}

} // namespace PlaylistImport
