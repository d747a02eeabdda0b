#pragma once

#include "catalogue/core/Catalogue.h"
#include "catalogue/core/ItemKey.h"
#include "search/core/CatalogueSearch.h"

#include <QAbstractTableModel>

// The Find window's results: name, country, category and type of each hit, read when
// shown from the catalogue as it was at the search (an implicitly shared copy), so that a
// list of any length costs one reset and a favorite deleted since still plays from its row.
class LanguageTexts;

class SearchResultsModel final : public QAbstractTableModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SearchResultsModel)
public:
    enum Roles { KeyRole = Qt::UserRole + 1 };

    // The column captions are read from the texts whenever they are shown, so they are
    // those of the language in use, also when the model was made before any was read.
    explicit SearchResultsModel(const LanguageTexts& texts, QObject* parent = nullptr);
    ~SearchResultsModel() override;

    void setHits(const Catalogue& searched, QVector<CatalogueSearch::Hit> hits);
    const CatalogueSearch::Hit& hit(int row) const { return m_hits[row]; }
    // The record of a row as it was when found; null for none.
    const ChannelRecord* record(int row) const;
    // The node of the hit in the tree.
    static ItemKey keyOf(const CatalogueSearch::Hit& hit);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const CatalogueSearch::Hit& hit, int column) const;

    Catalogue m_searched;
    const LanguageTexts& m_texts;
    QVector<CatalogueSearch::Hit> m_hits;
};
