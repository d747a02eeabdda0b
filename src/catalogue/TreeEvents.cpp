#include "catalogue/TreeEvents.h"

#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>

namespace {

// A value of "0" means unknown and shows as a single blank.
QString shown(const QString& value) { return value == QStringLiteral("0") ? QStringLiteral(" ") : value; }

// 150 twips at 15 twips a pixel.
constexpr int kTooltipDistance = 10;

} // namespace

TreeEvents::TreeEvents(AppState& state, MainWindow& window, CatalogueView& view, Hooks hooks)
    : m_state(state), m_window(window), m_view(view), m_hooks(std::move(hooks))
{
    QTreeView* tree = m_window.catalogueTree;
    tree->installEventFilter(this);
    tree->viewport()->installEventFilter(this);
    tree->viewport()->setMouseTracking(true);
    tree->setExpandsOnDoubleClick(true);
    connect(tree, &QTreeView::clicked, this, [this] { click(); });
    connect(tree, &QTreeView::doubleClicked, this, [this] { doubleClick(); });
}

TreeEvents::~TreeEvents() = default;

void TreeEvents::click()
{
    const QString key = m_view.selectedKey();
    if (key.startsWith(QStringLiteral("Com"))) {
        m_state.playback.ignoreNextStop = true;
        if (TreeBuilder::keyIndex(key, 3) >= 0) {
            m_window.countryValue->setText(QStringLiteral("Computer"));
            m_window.categoryValue->setText(QStringLiteral("Unkown"));
            m_window.bandwidthValue->setText(QStringLiteral("Unkown"));
        }
        return;
    }
    const int n = TreeBuilder::keyIndex(key, 1);
    if (n < 0)
        return;
    const ChannelRecord* record = nullptr;
    if (m_state.currentView == TreeBuilder::Favorites)
        record = m_state.catalogue.favorite(n);
    else if (m_view.model().rowCount(m_view.selectedIndex()) == 0)
        record = m_state.catalogue.channel(n);
    if (!record)
        return;
    m_window.countryValue->setText(record->country);
    m_window.categoryValue->setText(shown(record->category));
    m_window.bandwidthValue->setText(shown(record->bandwidth));
}

void TreeEvents::doubleClick()
{
    const QString key = m_view.selectedKey();
    PlaybackState& playback = m_state.playback;
    if (!key.startsWith(QStringLiteral("Com"))) {
        playback.localFiles.listMode = false;
        const int n = TreeBuilder::keyIndex(key, 1);
        if (n < 0)
            return;
        if (m_state.currentView == TreeBuilder::Favorites) {
            if (m_hooks.watchFavorite)
                m_hooks.watchFavorite();
            return;
        }
        const ChannelRecord* r = m_state.catalogue.channel(n);
        if (r && m_view.model().rowCount(m_view.selectedIndex()) == 0 && m_hooks.runVideo)
            m_hooks.runVideo({r->kind, r->op, r->address, r->name});
        return;
    }
    playback.ignoreNextStop = true;
    const int n = TreeBuilder::keyIndex(key, 3);
    if (n < 0 || n >= playback.localFiles.files.size())
        return;
    CatalogueTreeModel& model = m_view.model();
    model.setIconOverride(
        model.indexForKey(QStringLiteral("Com") + QString::number(playback.localFiles.playingIndex)), 0);
    playback.localFiles.playingIndex = n;
    playback.localFiles.listMode = true;
    const QString file = playback.localFiles.files[n];
    if (m_hooks.runVideo)
        m_hooks.runVideo({5, playback.localOperator, file.toUtf8(), file});
    model.setIconOverride(model.indexForKey(key), TreeBuilder::NowPlaying);
}

void TreeEvents::rightButtonReleased(const QPoint& globalPos, bool rightButton)
{
    const QString key = m_view.selectedKey();
    if (TreeBuilder::keyIndex(key, 1) < 0 && TreeBuilder::keyIndex(key, 3) < 0)
        return;
    m_releasePos = globalPos;
    if (rightButton)
        popUpFor(key, globalPos);
    m_window.catalogueTree->setToolTip(m_view.selectedIndex().data(Qt::DisplayRole).toString());
}

void TreeEvents::popUpFor(const QString&, const QPoint& globalPos)
{
    MainMenus& m = m_window.menus();
    const QString parentKey = m_view.model().keyOf(m_view.selectedIndex().parent());
    QMenu* menu = m.catalogueMenu;
    if (m_state.currentView == TreeBuilder::Favorites) {
        m.favoriteScheduleProgramAction->setVisible(parentKey != QStringLiteral("MyComputerFavorite"));
        menu = m.favoriteItemMenu;
    } else {
        const bool store = parentKey == QStringLiteral("MoviesTvAmazon");
        const bool file = parentKey == QStringLiteral("MainNodeFile");
        m.scheduleProgramAction->setVisible(!store && !file);
        m.catalogueInfoSeparator->setVisible(!store && !file);
        m.informationAction->setVisible(!store && !file);
        m.catalogueFavoriteSeparator->setVisible(!store);
        m.addToFavoritesAction->setVisible(!store);
    }
    if (m_hooks.popUp)
        m_hooks.popUp(globalPos);
    else
        menu->popup(globalPos);
}

bool TreeEvents::eventFilter(QObject* watched, QEvent* event)
{
    QTreeView* tree = m_window.catalogueTree;
    if (watched == tree && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down)
            click();
        else if (key == Qt::Key_Return || key == Qt::Key_Enter)
            doubleClick();
    } else if (watched == tree->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            const QModelIndex at = tree->indexAt(mouse->position().toPoint());
            if (mouse->button() == Qt::RightButton && at.isValid())
                tree->setCurrentIndex(at);
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            rightButtonReleased(mouse->globalPosition().toPoint(), mouse->button() == Qt::RightButton);
        } else if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (std::abs(mouse->globalPosition().toPoint().y() - m_releasePos.y()) > kTooltipDistance)
                tree->setToolTip(QString());
        }
    }
    return QObject::eventFilter(watched, event);
}
