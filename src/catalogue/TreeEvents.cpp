#include "catalogue/TreeEvents.h"

#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/CatalogueView.h"
#include "catalogue/core/Catalogue.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeView>

namespace {

// A value of "0" means unknown and shows as a single blank.
QString shown(const QString& value) { return value == QStringLiteral("0") ? QStringLiteral(" ") : value; }

// How far the mouse moves up or down from where it was released before the tooltip goes.
constexpr int kTooltipDistance = 10;

} // namespace

TreeEvents::TreeEvents(CatalogueView& view, NowPlaying& nowPlaying, MainWindow& window, Hooks hooks)
    : m_view(view), m_nowPlaying(nowPlaying), m_window(window), m_hooks(std::move(hooks))
{
    QTreeView* tree = &m_window.catalogueTree();
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
    const std::optional<ItemKey> item = m_view.selectedItem();
    if (m_view.selectedKey().startsWith(QStringLiteral("Com")))
        m_nowPlaying.ignoreNextStop = true;
    if (item)
        showDetails(*item);
}

void TreeEvents::showDetails(ItemKey item)
{
    if (item.kind == ItemKey::Kind::LocalFile) {
        m_window.showItemDetails(
            QStringLiteral("Computer"), QStringLiteral("Unkown"), QStringLiteral("Unkown"));
        return;
    }
    const Catalogue& catalogue = m_view.catalogue();
    const ChannelRecord* record = m_view.currentView() == TreeBuilder::Favorites
        ? catalogue.favorite(item.index)
        : catalogue.channel(item.index);
    if (record)
        m_window.showItemDetails(record->country, shown(record->category), shown(record->bandwidth));
}

void TreeEvents::doubleClick()
{
    const std::optional<ItemKey> item = m_view.selectedItem();
    if (m_view.selectedKey().startsWith(QStringLiteral("Com"))) {
        m_nowPlaying.ignoreNextStop = true;
        if (item)
            playFile(item->index);
        return;
    }
    m_nowPlaying.localFiles.listMode = false;
    if (!item)
        return;
    if (m_view.currentView() == TreeBuilder::Favorites) {
        if (m_hooks.watchFavorite)
            m_hooks.watchFavorite();
        return;
    }
    const ChannelRecord* r = m_view.catalogue().channel(item->index);
    if (r && m_hooks.runVideo)
        m_hooks.runVideo({r->kind, r->op, r->address.toByteArray(), r->name});
}

// A file of My Computer plays as part of the list the files were opened as.
void TreeEvents::playFile(int index)
{
    LocalFileList& list = m_nowPlaying.localFiles;
    if (index < 0 || index >= list.files.size())
        return;
    const int before = list.playingIndex;
    list.playingIndex = index;
    list.listMode = true;
    const QString file = list.files[index];
    if (m_hooks.runVideo)
        m_hooks.runVideo({5, m_nowPlaying.localOperator, file.toUtf8(), file});
    m_view.moveFileMark(before, index);
}

void TreeEvents::rightButtonReleased(const QPoint& globalPos, bool rightButton)
{
    if (!m_view.selectedItem()) {
        if (rightButton && m_view.selectedIndex().isValid())
            popUp(m_window.menus().branchMenu, globalPos); // a branch: check its channels
        return;
    }
    m_releasePos = globalPos;
    if (rightButton)
        popUpFor(globalPos);
    m_window.catalogueTree().setToolTip(m_view.selectedIndex().data(Qt::DisplayRole).toString());
}

void TreeEvents::popUpFor(const QPoint& globalPos)
{
    MainMenus& m = m_window.menus();
    const QString parentKey = m_view.model().keyOf(m_view.selectedIndex().parent());
    QMenu* menu = m.catalogueMenu;
    if (m_view.currentView() == TreeBuilder::Favorites) {
        m.favoriteScheduleProgramAction->setVisible(parentKey != QStringLiteral("MyComputerFavorite"));
        m.favoriteGuideAction->setVisible(parentKey != QStringLiteral("MyComputerFavorite"));
        menu = m.favoriteItemMenu;
    } else {
        const bool store = parentKey == QStringLiteral("MoviesTvAmazon");
        const bool file = parentKey == QStringLiteral("MainNodeFile");
        m.scheduleProgramAction->setVisible(!store && !file);
        m.guideOfItemAction->setVisible(!store && !file);
        m.catalogueInfoSeparator->setVisible(!store && !file);
        m.informationAction->setVisible(!store && !file);
        m.catalogueFavoriteSeparator->setVisible(!store);
        m.addToFavoritesAction->setVisible(!store);
    }
    popUp(menu, globalPos);
}

void TreeEvents::popUp(QMenu* menu, const QPoint& globalPos)
{
    if (m_hooks.popUp)
        m_hooks.popUp(globalPos);
    else
        menu->popup(globalPos);
}

bool TreeEvents::eventFilter(QObject* watched, QEvent* event)
{
    QTreeView* tree = &m_window.catalogueTree();
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
