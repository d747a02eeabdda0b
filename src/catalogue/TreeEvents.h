#pragma once

#include "catalogue/core/ItemKey.h"
#include "playback/core/NowPlaying.h"

#include <QObject>
#include <QPoint>

#include <functional>

class CatalogueView;
class MainWindow;
class QMenu;

// What the catalogue tree does on click, double-click, keys, the right button and the
// mouse: information labels, playing, pop-up menus and the tooltip.
class TreeEvents final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TreeEvents)
public:
    struct Hooks {
        std::function<void(const PlayRequest&)> runVideo; // the single place that plays
        std::function<void()> watchFavorite; // the favorites menu's Watch
        std::function<void(const QPoint&)> popUp; // shows a pop-up menu; the default execs it
    };

    TreeEvents(CatalogueView& view, NowPlaying& nowPlaying, MainWindow& window, Hooks hooks);
    ~TreeEvents() override;

    void click();
    void doubleClick();
    void rightButtonReleased(const QPoint& globalPos, bool rightButton);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void popUpFor(const QPoint& globalPos);
    void popUp(QMenu* menu, const QPoint& globalPos);
    void showDetails(ItemKey item);
    void playFile(int index);

    CatalogueView& m_view;
    NowPlaying& m_nowPlaying;
    MainWindow& m_window;
    Hooks m_hooks;
    QPoint m_releasePos;
};
