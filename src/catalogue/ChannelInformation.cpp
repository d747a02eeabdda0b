#include "catalogue/ChannelInformation.h"

#include "catalogue/CatalogueView.h"
#include "catalogue/InformationWindow.h"
#include "catalogue/TreeEvents.h"
#include "catalogue/core/AppState.h"
#include "ui/MainWindow.h"

ChannelInformation::ChannelInformation(AppState& state, MainWindow& window, CatalogueView& view)
    : m_state(state), m_window(window), m_view(view)
{
}

void ChannelInformation::informationChannel() { show(false); }

void ChannelInformation::informationFavorite() { show(true); }

void ChannelInformation::show(bool favorite)
{
    const int n = TreeBuilder::keyIndex(m_view.selectedKey(), 1);
    const ChannelRecord* record = favorite ? m_state.catalogue.favorite(n) : m_state.catalogue.channel(n);
    if (!record)
        return;
    InformationWindow window(nullptr, m_window.chromeState(), m_state.texts);
    window.setRecord(*record);
    window.exec();
}
