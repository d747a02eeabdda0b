#pragma once

#include <functional>

#include "catalogue/core/TreeBuilder.h"

#include <QAbstractItemModel>
#include <QHash>

class TreeIcons;

// The catalogue tree as a model: a whole layout is swapped in per view, so tens of
// thousands of nodes cost one reset rather than one insertion each.
class CatalogueTreeModel final : public QAbstractItemModel {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CatalogueTreeModel)
public:
    enum Roles { KeyRole = Qt::UserRole + 1, IconPositionRole, FlagKeyRole };

    explicit CatalogueTreeModel(const TreeIcons& icons, QObject* parent = nullptr);
    ~CatalogueTreeModel() override;

    void setLayout(TreeLayout layout);

    QModelIndex indexForKey(const QString& key) const;
    QString keyOf(const QModelIndex& index) const;
    // Replaces the node's icon (the playing mark); position 0 puts back its own icon.
    void setIconOverride(const QModelIndex& index, int position);
    // A tooltip of the node's own; empty for none.
    void setToolTip(const QModelIndex& index, const QString& text);
    // More for a node's tooltip, asked for by its key as the tooltip is about to show.
    void setToolTipSource(std::function<QString(const QString& key)> source)
    {
        m_toolTipSource = std::move(source);
    }
    // Calls `each` with the index of every node below `index`, and of `index` itself.
    template <typename Each> void forEachBelow(const QModelIndex& index, Each each) const
    {
        QVector<QModelIndex> pending {index};
        while (!pending.isEmpty()) {
            const QModelIndex at = pending.takeLast();
            if (at.isValid())
                each(at);
            for (int row = rowCount(at) - 1; row >= 0; --row)
                pending.append(this->index(row, 0, at));
        }
    }
    int nodeCount() const { return static_cast<int>(m_nodes.size()); }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    struct Node {
        TreeNode node;
        int row = 0;
        int iconOverride = 0;
        QString toolTip;
        QVector<int> children;
    };
    const Node* nodeAt(const QModelIndex& index) const;
    QModelIndex indexOfNode(int nodeIndex) const;
    int nodeForKey(const QString& key) const;
    void indexKeys() const;

    const TreeIcons& m_icons;
    QVector<Node> m_nodes;
    QVector<int> m_roots;
    mutable QHash<QString, int> m_byBranchKey; // made at need, with the next
    mutable QHash<ItemKey, int> m_byItem;
    mutable bool m_keysIndexed = false;
    mutable int m_keyScans = 0;
    std::function<QString(const QString& key)> m_toolTipSource;
};
