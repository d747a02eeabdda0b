#pragma once

#include <QString>

#include <functional>

struct Catalogue;
class LanguageTexts;
class ProgramFolder;

// LoadChannelList: reads the three list files and the favorites into the catalogue. A
// missing file shows its message and ends the program.
class CatalogueLoader final {
public:
    struct Hooks {
        std::function<void(const QString& text, const QString& title)> showMissing;
        std::function<void()> emergencyEnd;
    };

    CatalogueLoader(
        Catalogue& catalogue, const ProgramFolder& folder, const LanguageTexts& texts, Hooks hooks);

    // Reads one file; `listKind` is "tv", "ra", "ama" or "fav". False when the file was
    // missing and the program is ending.
    bool loadChannelList(const QString& fileName, const QString& listKind);
    // The four files in their order, the catalogue emptied first.
    bool loadAll();

private:
    Catalogue& m_catalogue;
    const ProgramFolder& m_folder;
    const LanguageTexts& m_texts;
    Hooks m_hooks;
};
