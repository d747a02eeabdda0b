#pragma once

#include "ui/ChromeDialog.h"
#include "ui/FirstDrawn.h"
#include "ui/MainMenus.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QSplitter;
class QTreeView;

// The main window `TV`: catalogue tree and information labels on one side, the player
// area with its title strip and banner bar on the other. It owns its menus; what the
// commands do lives in the features that connect to them.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    static constexpr int kMinWidth = 746; // pixels at 96 dpi
    static constexpr int kMinHeight = 544;
    static constexpr int kTreeMinWidth = 167;
    static constexpr int kTreeMaxWidth = 260;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainMenus& menus() { return *m_menus; }
    // Work held back until the window has first been drawn.
    FirstDrawn& firstDrawn() { return *m_firstDrawn; }

    // The catalogue's tree and its view selector, filled by the catalogue.
    QTreeView& catalogueTree() const { return *m_catalogueTree; }
    QComboBox& viewSelector() const { return *m_viewSelector; }
    // The area the player windows and the start page are stacked in.
    QWidget& playerArea() const;
    // The bar under the player area that holds the announcement banner.
    QWidget& bannerBar() const;

    // The title strip above the player area.
    void showNowPlaying(const QString& title);
    QString nowPlaying() const;
    // The information labels under the tree.
    void showItemDetails(const QString& country, const QString& category, const QString& bandwidth);
    // A row of the information panel below the tree, for a feature to fill.
    void addInformationRow(QWidget* row);

    enum class Caption { Filter, Country, Category, Bandwidth };
    void setCaption(Caption caption, const QString& text);

    // Asked when the window is closed; true keeps it (the program goes on without it shown).
    void setUnloadHandler(std::function<bool()> handler) { m_unload = std::move(handler); }
    void setTopmost(bool topmost);
    bool isTopmost() const;
    // The reading direction of the window's contents; its menus keep theirs.
    bool isRightToLeft() const;
    // Toggles between left-to-right and right-to-left appearance.
    void arabicAppearance();
    ChromeState chromeState() const { return {isTopmost(), isRightToLeft()}; }
    // Lays the window out again: tree, player area, banner bar and information labels.
    // The player windows live inside the player area, so laying it out places them too.
    void resizeForm();
    // Lays the player area out for the player of an operator before it is shown.
    void repaintForm(int op);

Q_SIGNALS:
    // The window came back from being minimised.
    void restored();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QWidget* buildCatalogueSide();
    QWidget* buildPlayerSide();

    std::unique_ptr<MainMenus> m_menus;
    FirstDrawn* m_firstDrawn; // a child
    QTreeView* m_catalogueTree = nullptr;
    QSplitter* m_splitter = nullptr;
    QLabel* m_viewLabel = nullptr;
    QComboBox* m_viewSelector = nullptr;
    QFrame* m_playerFrame = nullptr;
    QLabel* m_nowPlayingLabel = nullptr;
    QFrame* m_bannerBar = nullptr;
    QLabel* m_countryCaption = nullptr;
    QLabel* m_categoryCaption = nullptr;
    QLabel* m_bandwidthCaption = nullptr;
    QLabel* m_countryValue = nullptr;
    QLabel* m_categoryValue = nullptr;
    QLabel* m_bandwidthValue = nullptr;
    QGridLayout* m_information = nullptr;
    QWidget* m_catalogueSide = nullptr;
    QWidget* m_playerSide = nullptr;
    std::function<bool()> m_unload;
};
