#pragma once

#include "ui/ChromeDialog.h"
#include "ui/MainMenus.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QSplitter;
class QTimer;
class QTreeView;

// The main window `TV`: catalogue tree and information labels on one side, the player
// area with its title strip and banner bar on the other. It owns its menus and timers;
// what the commands do lives in the features that connect to them.
class MainWindow final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)
public:
    static constexpr int kMinWidth = 746; // 11190 twips
    static constexpr int kMinHeight = 544; // 8160 twips
    static constexpr int kTreeMinWidth = 167;
    static constexpr int kTreeMaxWidth = 260;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainMenus& menus() { return *m_menus; }

    QTreeView* catalogueTree;
    QSplitter* splitter;
    QLabel* viewLabel;
    QComboBox* viewSelector;
    QFrame* treeBorder;
    QFrame* playerFrame;
    QLabel* nowPlayingLabel;
    QFrame* bannerBar;
    QFrame* infoPanel;
    QLabel* countryCaption;
    QLabel* categoryCaption;
    QLabel* bandwidthCaption;
    QLabel* countryValue;
    QLabel* categoryValue;
    QLabel* bandwidthValue;

    QTimer* reminderTimer;
    QTimer* turnOffTimer;
    QTimer* bannerTimer;

    // The unload handler decides whether a close really closes. It receives the cancel
    // flag (5 asks for the emergency end) and sets it to -1 to keep the window.
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
    QWidget* m_catalogueSide = nullptr;
    QWidget* m_playerSide = nullptr;
    std::function<bool()> m_unload;
};
