#include "catalogue/CatalogueView.h"

#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/TreeIcons.h"
#include "catalogue/core/AppState.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QApplication>
#include <QTreeView>

namespace {

constexpr int kPleaseWait = 31;

bool pleaseWaitShows()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
        [](const QWidget* w) { return w->isVisible() && w->objectName() == QStringLiteral("Waiting"); });
}

} // namespace

CatalogueView::CatalogueView(AppState& state, MainWindow& window)
    : m_state(state),
      m_window(window),
      m_icons(std::make_unique<TreeIcons>()),
      m_model(std::make_unique<CatalogueTreeModel>(*m_icons))
{
    m_window.catalogueTree->setModel(m_model.get());
    m_window.catalogueTree->setUniformRowHeights(true);
}

CatalogueView::~CatalogueView() { m_window.catalogueTree->setModel(nullptr); }

void CatalogueView::filterBy(int which, bool repeat)
{
    if (m_state.catalogue.channelCount() == 0 || (!repeat && which == m_state.currentView))
        return;
    m_state.currentView = which;
    std::unique_ptr<WaitingWindow> waiting;
    if (!pleaseWaitShows()) {
        waiting = std::make_unique<WaitingWindow>(&m_window, m_window.isTopmost());
        waiting->showNotice(m_state.texts.text(kPleaseWait));
    }
    QTreeView* tree = m_window.catalogueTree;
    tree->setUpdatesEnabled(false);
    if (which >= TreeBuilder::ByCategory && which <= TreeBuilder::MyComputer) {
        TreeLayout layout = TreeBuilder::build(which, m_state.catalogue, m_state.playback.localFiles);
        const int selected = layout.selected;
        const QString selectedKey = selected >= 0 ? layout.nodes[selected].key : QString();
        m_model->setLayout(std::move(layout));
        tree->expandToDepth(0); // the branches show their countries or categories
        if (!selectedKey.isEmpty())
            selectKey(selectedKey);
        if (which != TreeBuilder::MyComputer)
            restorePlayingMark();
    }
    tree->setUpdatesEnabled(true);
}

void CatalogueView::restorePlayingMark()
{
    const QString& key = m_state.playback.playingNodeKey;
    if (key.isEmpty())
        return;
    const QModelIndex index = m_model->indexForKey(key);
    if (!index.isValid())
        return;
    selectKey(key);
    m_model->setIconOverride(index, TreeBuilder::NowPlaying);
}

QModelIndex CatalogueView::selectedIndex() const { return m_window.catalogueTree->currentIndex(); }

QString CatalogueView::selectedKey() const { return m_model->keyOf(selectedIndex()); }

void CatalogueView::selectKey(const QString& key)
{
    const QModelIndex index = m_model->indexForKey(key);
    if (!index.isValid())
        return;
    m_window.catalogueTree->setCurrentIndex(index);
    m_window.catalogueTree->scrollTo(index);
}

void CatalogueView::markPlaying(const QString& key, int kind)
{
    const QModelIndex previous = m_model->indexForKey(m_state.playback.playingNodeKey);
    if (previous.isValid())
        m_model->setIconOverride(previous, 0);
    m_state.playback.playingNodeKey = key;
    m_state.playback.playingKind = kind;
    const QModelIndex index = m_model->indexForKey(key);
    if (index.isValid())
        m_model->setIconOverride(index, TreeBuilder::NowPlaying);
}
