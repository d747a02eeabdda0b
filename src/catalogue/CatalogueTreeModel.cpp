#include "catalogue/CatalogueTreeModel.h"

#include "catalogue/TreeIcons.h"

CatalogueTreeModel::CatalogueTreeModel(const TreeIcons& icons, QObject* parent)
    : QAbstractItemModel(parent), m_icons(icons)
{
}

CatalogueTreeModel::~CatalogueTreeModel() = default;

void CatalogueTreeModel::setLayout(TreeLayout layout)
{
    beginResetModel();
    m_nodes.clear();
    m_roots.clear();
    m_byKey.clear();
    m_nodes.reserve(layout.nodes.size());
    for (TreeNode& treeNode : layout.nodes) {
        const int self = static_cast<int>(m_nodes.size());
        QVector<int>& siblings = treeNode.parent < 0 ? m_roots : m_nodes[treeNode.parent].children;
        Node node {std::move(treeNode), static_cast<int>(siblings.size()), 0, {}, {}};
        siblings.append(self);
        if (!node.node.key.isEmpty())
            m_byKey.insert(node.node.key, self);
        m_nodes.append(std::move(node));
    }
    if (layout.selected >= 0 && layout.selected < m_nodes.size())
        m_nodes[layout.selected].iconOverride = layout.selectedIcon;
    endResetModel();
}

QModelIndex CatalogueTreeModel::indexForKey(const QString& key) const
{
    const auto found = m_byKey.constFind(key);
    return found == m_byKey.constEnd() ? QModelIndex() : indexOfNode(*found);
}

QString CatalogueTreeModel::keyOf(const QModelIndex& index) const
{
    const Node* node = nodeAt(index);
    return node ? node->node.key : QString();
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
        return node->node.key;
    case FlagKeyRole:
        return node->node.flagKey;
    case IconPositionRole:
        return node->iconOverride ? node->iconOverride : node->node.icon;
    case Qt::ToolTipRole: {
        QStringList parts;
        if (!node->toolTip.isEmpty())
            parts << node->toolTip;
        if (m_toolTipSource) {
            const QString more = m_toolTipSource(node->node.key);
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
