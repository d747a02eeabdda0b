#include "catalogue/CatalogueTreeModel.h"

#include "catalogue/TreeIcons.h"

#include <QThreadPool>

#include <utility>

CatalogueTreeModel::CatalogueTreeModel(const TreeIcons& icons, QObject* parent)
    : QAbstractItemModel(parent), m_icons(icons)
{
}

CatalogueTreeModel::~CatalogueTreeModel() = default;

void CatalogueTreeModel::setLayout(TreeLayout layout)
{
    beginResetModel();
    // A tree of a whole catalogue is tens of thousands of small strings: the old one is
    // let go on a worker thread, so that showing the new one does not wait for it.
    QThreadPool::globalInstance()->start([old = std::exchange(m_nodes, {})]() mutable { old.clear(); });
    m_roots.clear();
    m_byBranchKey.clear();
    m_byItem.clear();
    m_keysIndexed = false;
    m_keyScans = 0;
    m_nodes.reserve(layout.nodes.size());
    for (TreeNode& treeNode : layout.nodes) {
        const int self = static_cast<int>(m_nodes.size());
        QVector<int>& siblings = treeNode.parent < 0 ? m_roots : m_nodes[treeNode.parent].children;
        Node node {std::move(treeNode), static_cast<int>(siblings.size()), 0, {}, {}};
        siblings.append(self);
        m_nodes.append(std::move(node));
    }
    if (layout.selected >= 0 && layout.selected < m_nodes.size())
        m_nodes[layout.selected].iconOverride = layout.selectedIcon;
    endResetModel();
}

QModelIndex CatalogueTreeModel::indexForKey(const QString& key) const
{
    const int node = nodeForKey(key);
    return node < 0 ? QModelIndex() : indexOfNode(node);
}

// A new tree is mostly looked in once or twice (the selection, the playing mark): those
// lookups scan it, and the index of keys is made only when lookups go on. Where two nodes
// share a key, the later one is found.
int CatalogueTreeModel::nodeForKey(const QString& key) const
{
    if (key.isEmpty())
        return -1; // country nodes have none, and no key names them
    // An item node's key is made from its item: the item a key names is compared instead,
    // when the key is exactly as the tree makes it.
    std::optional<ItemKey> item = ItemKey::parse(key);
    if (item && item->text() != key)
        item.reset();
    constexpr int kScansBeforeIndex = 2;
    if (!m_keysIndexed && m_keyScans < kScansBeforeIndex) {
        ++m_keyScans;
        for (qsizetype i = m_nodes.size() - 1; i >= 0; --i) {
            const TreeNode& node = m_nodes[i].node;
            if (node.item ? node.item == item : node.branchKey == key)
                return static_cast<int>(i);
        }
        return -1;
    }
    if (!m_keysIndexed)
        indexKeys();
    return item ? m_byItem.value(*item, -1) : m_byBranchKey.value(key, -1);
}

void CatalogueTreeModel::indexKeys() const
{
    m_byItem.reserve(m_nodes.size());
    for (qsizetype i = 0; i < m_nodes.size(); ++i) {
        const TreeNode& node = m_nodes[i].node;
        if (node.item)
            m_byItem.insert(*node.item, static_cast<int>(i));
        else if (!node.branchKey.isEmpty())
            m_byBranchKey.insert(node.branchKey, static_cast<int>(i));
    }
    m_keysIndexed = true;
}

QString CatalogueTreeModel::keyOf(const QModelIndex& index) const
{
    const Node* node = nodeAt(index);
    return node ? node->node.key() : QString();
}

void CatalogueTreeModel::setIconOverride(const QModelIndex& index, int position)
{
    const Node* node = nodeAt(index);
    if (!node)
        return;
    m_nodes[static_cast<int>(index.internalId())].iconOverride = position;
    Q_EMIT dataChanged(index, index, {Qt::DecorationRole, IconPositionRole});
}

void CatalogueTreeModel::setToolTip(const QModelIndex& index, const QString& text)
{
    if (!nodeAt(index))
        return;
    m_nodes[static_cast<int>(index.internalId())].toolTip = text;
    Q_EMIT dataChanged(index, index, {Qt::ToolTipRole});
}

const CatalogueTreeModel::Node* CatalogueTreeModel::nodeAt(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return nullptr;
    const auto id = static_cast<qsizetype>(index.internalId());
    return id < m_nodes.size() ? &m_nodes[id] : nullptr;
}

QModelIndex CatalogueTreeModel::indexOfNode(int nodeIndex) const
{
    return createIndex(m_nodes[nodeIndex].row, 0, static_cast<quintptr>(nodeIndex));
}

QModelIndex CatalogueTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return {};
    const QVector<int>* siblings = &m_roots;
    if (parent.isValid()) {
        const Node* node = nodeAt(parent);
        if (!node)
            return {};
        siblings = &node->children;
    }
    if (row >= siblings->size())
        return {};
    return indexOfNode((*siblings)[row]);
}

QModelIndex CatalogueTreeModel::parent(const QModelIndex& child) const
{
    const Node* node = nodeAt(child);
    if (!node || node->node.parent < 0)
        return {};
    return indexOfNode(node->node.parent);
}

int CatalogueTreeModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return static_cast<int>(m_roots.size());
    const Node* node = nodeAt(parent);
    return node ? static_cast<int>(node->children.size()) : 0;
}

int CatalogueTreeModel::columnCount(const QModelIndex&) const { return 1; }

QVariant CatalogueTreeModel::data(const QModelIndex& index, int role) const
{
    const Node* node = nodeAt(index);
    if (!node)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return node->node.text;
    case KeyRole:
        return node->node.key();
    case FlagKeyRole:
        return node->node.flagKey;
    case IconPositionRole:
        return node->iconOverride ? node->iconOverride : node->node.icon;
    case Qt::ToolTipRole: {
        QStringList parts;
        if (!node->toolTip.isEmpty())
            parts << node->toolTip;
        if (m_toolTipSource) {
            const QString more = m_toolTipSource(node->node.key());
            if (!more.isEmpty())
                parts << more;
        }
        return parts.isEmpty() ? QVariant() : QVariant(parts.join(QLatin1Char('\n')));
    }
    case Qt::DecorationRole: {
        if (node->iconOverride)
            return m_icons.icon(node->iconOverride);
        if (!node->node.flagKey.isEmpty()) {
            const QIcon flag = m_icons.flag(node->node.flagKey);
            if (!flag.isNull())
                return flag;
        }
        return m_icons.icon(node->node.icon);
    }
    default:
        return {};
    }
}
