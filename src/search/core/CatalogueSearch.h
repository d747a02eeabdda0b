#pragma once

#include <QString>
#include <QVector>

struct Catalogue;

// Find over the catalogue: names or the TV channels' information, case-insensitive and
// literal (no trimming, no wildcards), in the ranges the three collection boxes choose.
namespace CatalogueSearch {

struct Request {
    QString text;
    bool byInformation = false; // TV channels only
    bool wholeName = false; // the whole name must equal the text
    bool tv = true;
    bool radio = true;
    bool favorites = true;
};

struct Hit {
    bool favorite = false;
    int index = 0; // in the channels or the favorites
    bool operator==(const Hit&) const = default;
};

// Channels by increasing index, then favorites; no limit, no sorting.
QVector<Hit> find(const Catalogue& catalogue, const Request& request);

} // namespace CatalogueSearch
