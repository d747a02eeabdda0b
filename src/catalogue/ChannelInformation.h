#pragma once

struct AppState;
class CatalogueView;
class MainWindow;

// The Information entries of the tree's pop-up menus.
class ChannelInformation final {
public:
    ChannelInformation(AppState& state, MainWindow& window, CatalogueView& view);

    void informationChannel(); // a "C" node: the catalogue record
    void informationFavorite(); // an "F" node: the favorite

private:
    void show(bool favorite);

    AppState& m_state;
    MainWindow& m_window;
    CatalogueView& m_view;
};
