#pragma once

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
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    MainMenus& menus() { return *m_menus; }

    QTreeView* TreeView1;
    QSplitter* Image1;
    QLabel* Label1;
    QComboBox* Combo1;
    QFrame* Border;
    QFrame* Shape2;
    QLabel* Label2;
    QFrame* Picture1;
    QFrame* InfoShape;
    QLabel* lblCountry;
    QLabel* lblCategory;
    QLabel* lblSite;
    QLabel* LblInfCountry;
    QLabel* LblInfCategory;
    QLabel* LblInfBWidth;

    QTimer* tmScheduledPrograms;
    QTimer* tmTurnOff;
    QTimer* TmBrowser;

    // The unload handler decides whether a close really closes. It receives the cancel
    // flag (5 asks for the emergency end) and sets it to -1 to keep the window.
    void setUnloadHandler(std::function<void(int& cancel)> handler) { m_unload = std::move(handler); }
    void setTopmost(bool topmost);
    bool isTopmost() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildCatalogueSide();
    QWidget* buildPlayerSide();

    std::unique_ptr<MainMenus> m_menus;
    std::function<void(int&)> m_unload;
};
