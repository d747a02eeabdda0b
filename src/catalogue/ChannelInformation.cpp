#include "catalogue/ChannelInformation.h"

#include "catalogue/CatalogueView.h"
#include "catalogue/InformationWindow.h"
#include "catalogue/core/Catalogue.h"
#include "ui/MainWindow.h"

ChannelInformation::ChannelInformation(CatalogueView& view, const LanguageTexts& texts, MainWindow& window)
    : m_view(view), m_texts(texts), m_window(window)
{
}

void ChannelInformation::informationChannel() { show(false); }

void ChannelInformation::informationFavorite() { show(true); }

void ChannelInformation::show(bool favorite)
{
    const std::optional<ItemKey> item = m_view.selectedItem();
    const ItemKey::Kind wanted = favorite ? ItemKey::Kind::Favorite : ItemKey::Kind::Channel;
    if (!item || item->kind != wanted)
        return;
    const Catalogue& catalogue = m_view.catalogue();
    const ChannelRecord* record = favorite ? catalogue.favorite(item->index) : catalogue.channel(item->index);
    if (!record)
        return;
    InformationWindow window(nullptr, m_window.chromeState(), m_texts);
    window.setRecord(*record);
    window.exec();
}
