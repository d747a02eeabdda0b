#include "search/core/CatalogueSearch.h"

#include "catalogue/core/Catalogue.h"

namespace CatalogueSearch {

namespace {

struct Ranges {
    int firstChannel = 0;
    int lastChannel = -1;
    int lastFavorite = -1;
};

// The ranges of the three boxes, as the Find window always chose them.
Ranges rangesOf(const Catalogue& c, const Request& r)
{
    Ranges ranges;
    ranges.lastFavorite = r.favorites ? c.favoriteCount() - 1 : -1;
    if (r.tv && r.radio)
        ranges.lastChannel = c.radioEnd - 1;
    else if (r.tv)
        ranges.lastChannel = c.tvEnd - 1;
    else if (r.radio) {
        ranges.firstChannel = c.tvEnd;
        ranges.lastChannel = c.radioEnd - 1;
    }
    return ranges;
}

// Case-insensitive "contains": candidate places are found by the first character's two
// cases with a plain scan, and only those are compared in full. Several times quicker than
// the general search over tens of thousands of short names.
class Needle {
public:
    explicit Needle(const QString& text) : m_text(text)
    {
        if (!text.isEmpty() && !text[0].isSurrogate()) {
            m_lower = text[0].toLower().unicode();
            m_upper = text[0].toUpper().unicode();
            m_quick = true;
        }
    }

    bool foundIn(const QString& field) const
    {
        if (!m_quick)
            return field.contains(m_text, Qt::CaseInsensitive);
        const qsizetype last = field.size() - m_text.size();
        const char16_t* units = reinterpret_cast<const char16_t*>(field.constData());
        for (qsizetype at = 0; at <= last; ++at) {
            if ((units[at] == m_lower || units[at] == m_upper)
                && QStringView(field).sliced(at, m_text.size()).compare(m_text, Qt::CaseInsensitive) == 0)
                return true;
        }
        return false;
    }

private:
    const QString& m_text;
    char16_t m_lower = 0;
    char16_t m_upper = 0;
    bool m_quick = false;
};

bool matches(const QString& field, const QString& text, const Needle& needle, bool whole)
{
    return whole ? field.compare(text, Qt::CaseInsensitive) == 0 : needle.foundIn(field);
}

} // namespace

QVector<Hit> find(const Catalogue& catalogue, const Request& request)
{
    QVector<Hit> hits;
    const Ranges ranges = rangesOf(catalogue, request);
    const Needle needle(request.text);
    const int lastChannel = std::min(ranges.lastChannel, catalogue.channelCount() - 1);
    if (request.byInformation) {
        // Information is searched among the TV channels from the first one.
        for (int i = 0; i <= std::min(lastChannel, catalogue.tvEnd - 1); ++i) {
            if (matches(catalogue.channels[i].info.toString(), request.text, needle, false))
                hits.append({false, i});
        }
        return hits;
    }
    for (int i = ranges.firstChannel; i <= lastChannel; ++i) {
        if (matches(catalogue.channels[i].name, request.text, needle, request.wholeName))
            hits.append({false, i});
    }
    for (int j = 0; j <= ranges.lastFavorite && j < catalogue.favoriteCount(); ++j) {
        if (matches(catalogue.favorites[j].name, request.text, needle, request.wholeName))
            hits.append({true, j});
    }
    return hits;
}

} // namespace CatalogueSearch
