#include "catalogue/CatalogueLoader.h"

#include "base/FileIo.h"
#include "catalogue/core/Catalogue.h"
#include "state/LanguageTexts.h"
#include "state/ProgramFolder.h"
#include "state/TextId.h"

#include <QFileInfo>

CatalogueLoader::CatalogueLoader(
    Catalogue& catalogue, const ProgramFolder& folder, const LanguageTexts& texts, Hooks hooks)
    : m_catalogue(catalogue), m_folder(folder), m_texts(texts), m_hooks(std::move(hooks))
{
}

bool CatalogueLoader::loadChannelList(const QString& fileName, const QString& listKind)
{
    const QString path = m_folder.file(fileName);
    if (!QFileInfo(path).isFile()) {
        const LanguageTexts& t = m_texts;
        m_hooks.showMissing(
            t.text(TextId::MissingList) + QStringLiteral("...\r\n") + t.text(TextId::ReinstallOrUpdate),
            t.text(TextId::MissingListTitle));
        m_hooks.emergencyEnd();
        return false;
    }
    // A file over 64 MiB is no list: like an unreadable one, it gives no records.
    const FileIo::ReadResult read = FileIo::readWholeFile(path);
    Catalogue& catalogue = m_catalogue;
    if (!read.ok()) {
        // An unreadable list gives no records; start-up goes on. Favorites that could not
        // be read must not be replaced by an empty list at the next change.
        if (listKind == QStringLiteral("fav")) {
            catalogue.favorites.clear();
            catalogue.favoritesUnreadable = read.error;
        }
        return true;
    }
    if (listKind == QStringLiteral("tv"))
        catalogue.appendList(ListFormat::Kind::Tv, read.bytes);
    else if (listKind == QStringLiteral("ra"))
        catalogue.appendList(ListFormat::Kind::Radio, read.bytes);
    else if (listKind == QStringLiteral("ama"))
        catalogue.appendList(ListFormat::Kind::MovieStore, read.bytes);
    else if (listKind == QStringLiteral("fav"))
        catalogue.replaceFavorites(read.bytes);
    return true;
}

bool CatalogueLoader::loadAll()
{
    m_catalogue.channels.clear();
    return loadChannelList(QStringLiteral("avtapit.dll"), QStringLiteral("tv"))
        && loadChannelList(QStringLiteral("atlr.dll"), QStringLiteral("ra"))
        && loadChannelList(QStringLiteral("apcupm.dll"), QStringLiteral("ama"))
        && loadChannelList(QStringLiteral("fav.fav"), QStringLiteral("fav"));
}
