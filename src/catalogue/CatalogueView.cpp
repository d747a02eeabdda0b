#include "catalogue/CatalogueView.h"

#include "catalogue/CatalogueLoader.h"
#include "catalogue/CatalogueTreeModel.h"
#include "catalogue/TreeIcons.h"
#include "catalogue/core/Catalogue.h"
#include "playback/core/NowPlaying.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"
#include "ui/MainWindow.h"
#include "ui/WaitingWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QIcon>
#include <QTreeView>

#include <cstdlib>

namespace {

// A key to look `address` up with, made without copying its bytes; it must not be kept.
QByteArray lookupKey(const SharedBytes& address)
{
    return QByteArray::fromRawData(address.view().data(), address.size());
}

bool pleaseWaitShows()
{
    const auto windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(),
        [](const QWidget* w) { return w->isVisible() && w->objectName() == QStringLiteral("Waiting"); });
}

} // namespace

CatalogueView::CatalogueView(Parts parts)
    : m_parts(parts),
      m_icons(std::make_unique<TreeIcons>()),
      m_model(std::make_unique<CatalogueTreeModel>(*m_icons))
{
    QTreeView& tree = m_parts.window.catalogueTree();
    tree.setModel(m_model.get());
    tree.setUniformRowHeights(true);
    // The view selector's click: the tree of its view.
    m_selectorClick = QObject::connect(
        &m_parts.window.viewSelector(), &QComboBox::currentIndexChanged, &tree, [this](int index) {
            if (index >= 0)
                filterBy(index, false);
        });
}

CatalogueView::~CatalogueView()
{
    QObject::disconnect(m_selectorClick);
    m_parts.window.catalogueTree().setModel(nullptr);
}

void CatalogueView::filterBy(int which, bool repeat)
{
    if (m_parts.catalogue.channelCount() == 0 || (!repeat && which == m_view))
        return;
    if (which < TreeBuilder::ByCategory || which > TreeBuilder::MyComputer)
        return;
    m_view = static_cast<TreeBuilder::View>(which);
    std::unique_ptr<WaitingWindow> waiting;
    if (!pleaseWaitShows()) {
        waiting = std::make_unique<WaitingWindow>(&m_parts.window, m_parts.window.isTopmost());
        waiting->showNotice(m_parts.texts.text(TextId::PleaseWait));
    }
    QTreeView& tree = m_parts.window.catalogueTree();
    tree.setUpdatesEnabled(false);
    TreeLayout layout = TreeBuilder::build(which, m_parts.catalogue, m_parts.localFiles);
    const int selected = layout.selected;
    const QString selectedKey = selected >= 0 ? layout.nodes[selected].key() : QString();
    m_model->setLayout(std::move(layout));
    tree.expandToDepth(0); // the branches show their countries or categories
    if (!selectedKey.isEmpty())
        select(m_model->indexForKey(selectedKey));
    if (!m_silent.isEmpty()) // a new tree has no marks to take away
        applySilentMarks();
    if (which != TreeBuilder::MyComputer)
        restorePlayingMark();
    tree.setUpdatesEnabled(true);
}

void CatalogueView::restorePlayingMark()
{
    if (!m_playing)
        return;
    const QModelIndex index = m_model->indexForKey(m_playing->text());
    if (!index.isValid())
        return;
    select(index);
    m_model->setIconOverride(index, TreeBuilder::NowPlaying);
}

QModelIndex CatalogueView::selectedIndex() const { return m_parts.window.catalogueTree().currentIndex(); }

QString CatalogueView::selectedKey() const { return m_model->keyOf(selectedIndex()); }

void CatalogueView::select(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    m_parts.window.catalogueTree().setCurrentIndex(index);
    m_parts.window.catalogueTree().scrollTo(index);
}

void CatalogueView::showView(TreeBuilder::View view)
{
    if (m_view != view)
        m_parts.window.viewSelector().setCurrentIndex(view);
}

void CatalogueView::rebuildView() { filterBy(m_view, true); }

void CatalogueView::reveal(ItemKey key) { select(m_model->indexForKey(key.text())); }

std::optional<ItemKey> CatalogueView::selectedItem() const { return ItemKey::parse(selectedKey()); }

void CatalogueView::setToolTipSource(std::function<QString(ItemKey)> source)
{
    m_model->setToolTipSource([source = std::move(source)](const QString& key) {
        const std::optional<ItemKey> item = ItemKey::parse(key);
        return item && source ? source(*item) : QString();
    });
}

std::optional<ItemKey> CatalogueView::neighbourItem(int step) const
{
    QModelIndex from = m_playing ? m_model->indexForKey(m_playing->text()) : QModelIndex();
    if (!from.isValid())
        from = selectedIndex();
    if (!from.isValid() || step == 0)
        return {};
    QModelIndex branch = from.parent();
    int row = from.row();
    if (!ItemKey::parse(m_model->keyOf(from))) { // a branch: its first item, or its last going back
        branch = from;
        row = step > 0 ? -1 : 0;
    }
    const int rows = m_model->rowCount(branch);
    const int direction = step > 0 ? 1 : -1;
    int found = 0;
    for (int walked = 1; walked <= rows; ++walked) {
        const int at = ((row + direction * walked) % rows + rows) % rows;
        const std::optional<ItemKey> item = ItemKey::parse(m_model->keyOf(m_model->index(at, 0, branch)));
        if (item && ++found == std::abs(step))
            return item;
    }
    return {};
}

QIcon CatalogueView::selectedItemIcon() const
{
    const QModelIndex node = selectedIndex();
    const QModelIndex parent = node.parent();
    if (parent.isValid() && !parent.data(CatalogueTreeModel::FlagKeyRole).toString().isEmpty())
        return qvariant_cast<QIcon>(parent.data(Qt::DecorationRole));
    return qvariant_cast<QIcon>(node.data(Qt::DecorationRole));
}

void CatalogueView::markPlaying(std::optional<ItemKey> key)
{
    if (m_playing) {
        const QModelIndex previous = m_model->indexForKey(m_playing->text());
        if (previous.isValid())
            m_model->setIconOverride(previous, ownIconOf(m_playing));
    }
    m_playing = key;
    if (!key)
        return;
    const QModelIndex index = m_model->indexForKey(key->text());
    if (index.isValid())
        m_model->setIconOverride(index, TreeBuilder::NowPlaying);
}

// The files' nodes exist only while My Computer shows; elsewhere this finds none.
void CatalogueView::moveFileMark(int from, int to)
{
    const QModelIndex previous = m_model->indexForKey(ItemKey::localFile(from).text());
    if (previous.isValid())
        m_model->setIconOverride(previous, 0);
    const QModelIndex next = m_model->indexForKey(ItemKey::localFile(to).text());
    if (next.isValid())
        m_model->setIconOverride(next, TreeBuilder::NowPlaying);
}

void CatalogueView::reloadLists()
{
    Catalogue& catalogue = m_parts.catalogue;
    catalogue.channels.clear();
    catalogue.favorites.clear();
    m_parts.loader.loadAll();
    filterBy(TreeBuilder::ByCountry, true);
    m_parts.window.catalogueTree().viewport()->update();
}

void CatalogueView::setSilentChannels(QHash<QByteArray, QString> toolTips)
{
    m_silent = std::move(toolTips);
    applySilentMarks();
}

const SharedBytes* CatalogueView::checkableAddress(const QModelIndex& index) const
{
    const std::optional<ItemKey> item = ItemKey::parse(m_model->keyOf(index));
    if (!item || item->kind == ItemKey::Kind::LocalFile)
        return nullptr;
    const ChannelRecord* record = item->kind == ItemKey::Kind::Channel
        ? m_parts.catalogue.channel(item->index)
        : m_parts.catalogue.favorite(item->index);
    if (!record || record->kind == ChannelRecord::MovieStore || record->kind == ChannelRecord::ComputerFile)
        return nullptr;
    return &record->address;
}

// The mark a channel shows when it is not the one playing.
int CatalogueView::ownIconOf(const std::optional<ItemKey>& key) const
{
    if (!key)
        return 0;
    const SharedBytes* address = checkableAddress(m_model->indexForKey(key->text()));
    return address && m_silent.contains(lookupKey(*address)) ? TreeBuilder::SilentIcon : 0;
}

void CatalogueView::applySilentMarks()
{
    const QModelIndex playing = m_playing ? m_model->indexForKey(m_playing->text()) : QModelIndex();
    m_model->forEachBelow(QModelIndex(), [this, &playing](const QModelIndex& index) {
        const SharedBytes* address = checkableAddress(index);
        if (!address)
            return;
        const auto silent = m_silent.constFind(lookupKey(*address));
        const bool marked
            = index.data(CatalogueTreeModel::IconPositionRole).toInt() == TreeBuilder::SilentIcon;
        if (silent != m_silent.constEnd()) {
            m_model->setToolTip(index, *silent);
            if (!marked && index != playing)
                m_model->setIconOverride(index, TreeBuilder::SilentIcon);
        } else if (marked || !index.data(Qt::ToolTipRole).isNull()) {
            m_model->setToolTip(index, {});
            if (marked)
                m_model->setIconOverride(index, 0);
        }
    });
}

QVector<QByteArray> CatalogueView::addressesBelow(const QModelIndex& index) const
{
    QVector<QByteArray> addresses;
    m_model->forEachBelow(index, [this, &addresses](const QModelIndex& at) {
        if (const SharedBytes* address = checkableAddress(at))
            addresses.append(address->toByteArray());
    });
    return addresses;
}

QVector<QByteArray> CatalogueView::addressesUnderSelection() const
{
    const QModelIndex selected = selectedIndex();
    return selected.isValid() ? addressesBelow(selected) : QVector<QByteArray>();
}

QVector<QByteArray> CatalogueView::addressesInView() const { return addressesBelow(QModelIndex()); }
