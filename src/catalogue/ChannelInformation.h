#pragma once

class CatalogueView;
class LanguageTexts;
class MainWindow;

// The Information entries of the tree's pop-up menus.
class ChannelInformation final {
public:
    ChannelInformation(CatalogueView& view, const LanguageTexts& texts, MainWindow& window);

    void informationChannel(); // a channel's node: the catalogue record
    void informationFavorite(); // a favorite's node: the favorite

private:
    void show(bool favorite);

    CatalogueView& m_view;
    const LanguageTexts& m_texts;
    MainWindow& m_window;
};
