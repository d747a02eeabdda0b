#include "search/SearchResultsModel.h"

#include "state/LanguageTexts.h"

#include "catalogue/core/Catalogue.h"
#include "state/TextId.h"

namespace {

constexpr TextId kColumnTexts[4] = {TextId::Name, TextId::Country, TextId::Category, TextId::Type};

QString typeOf(const ChannelRecord& record, bool favorite)
{
    if (favorite)
        return record.kind == ChannelRecord::Tv   ? QStringLiteral("Fav/TV")
            : record.kind == ChannelRecord::Radio ? QStringLiteral("Fav/Radio")
                                                  : QStringLiteral("Fav/Computer");
    return record.kind == ChannelRecord::Tv   ? QStringLiteral("TV")
        : record.kind == ChannelRecord::Radio ? QStringLiteral("Radio")
                                              : QStringLiteral("Unkown");
}

} // namespace

SearchResultsModel::SearchResultsModel(const LanguageTexts& texts, QObject* parent)
    : QAbstractTableModel(parent), m_texts(texts)
{
}

SearchResultsModel::~SearchResultsModel() = default;

void SearchResultsModel::setHits(const Catalogue& searched, QVector<CatalogueSearch::Hit> hits)
{
    beginResetModel();
    m_searched = searched; // shares the record vectors; nothing is copied
    m_hits = std::move(hits);
    endResetModel();
}

const ChannelRecord* SearchResultsModel::record(int row) const
{
    if (row < 0 || row >= m_hits.size())
        return nullptr;
    const CatalogueSearch::Hit& hit = m_hits[row];
    return hit.favorite ? m_searched.favorite(hit.index) : m_searched.channel(hit.index);
}

ItemKey SearchResultsModel::keyOf(const CatalogueSearch::Hit& hit)
{
    return hit.favorite ? ItemKey::favorite(hit.index) : ItemKey::channel(hit.index);
}

int SearchResultsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_hits.size());
}

int SearchResultsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 4; }

QString SearchResultsModel::text(const CatalogueSearch::Hit& hit, int column) const
{
    const ChannelRecord* record
        = hit.favorite ? m_searched.favorite(hit.index) : m_searched.channel(hit.index);
    if (!record)
        return {};
    switch (column) {
    case 0:
        return record->name;
    case 1:
        return record->country;
    case 2:
        return record->category == QStringLiteral("0") ? QStringLiteral("Unkown") : record->category;
    default:
        return typeOf(*record, hit.favorite);
    }
}

QVariant SearchResultsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_hits.size())
        return {};
    if (role == Qt::DisplayRole)
        return text(m_hits[index.row()], index.column());
    if (role == KeyRole)
        return keyOf(m_hits[index.row()]).text();
    return {};
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section >= 0 && section < 4 ? m_texts.text(kColumnTexts[section]) : QVariant();
    return {};
}
