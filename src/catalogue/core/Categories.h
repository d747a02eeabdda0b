#pragma once

#include <QString>

#include <array>

struct CategoryNode {
    const char* text; // the node's text
    const char* key; // its node key
    int icon; // its icon position
    const char* match; // the upper-case category word of the records it holds
};

// The category nodes of the view by category, in tree order; the last is "Unkown" for "0".
namespace Categories {

const std::array<CategoryNode, 15>& all();
// The position of the node a TV record's category belongs to, or -1 for none.
int indexFor(const QString& category);

// Whether text.toUpper() == upper, for an `upper` in upper-case ASCII; without making the
// upper-case copy when the text is ASCII, as nearly every record's is.
bool upperCaseIs(QStringView text, QLatin1StringView upper);

} // namespace Categories
