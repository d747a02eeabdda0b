#pragma once

#include <QString>

#include <array>

struct FlagKey {
    const char* key; // the country exactly as the lists spell it
    const char* isoCode; // the flag picture's ISO 3166 code; empty when there is none
};

// The 228 country keys that have a flag in the tree.
namespace CountryFlags {

const std::array<FlagKey, 228>& all();
// The position of the key with exactly this spelling, or -1.
int indexOf(const QString& country);
// The first key whose flag has this ISO code ("de" gives "Germany"), or empty.
QString keyForIsoCode(const QString& isoCode);

} // namespace CountryFlags
