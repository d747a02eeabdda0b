#pragma once

#include <QHash>
#include <QIcon>
#include <QString>
#include <QVector>

// The tree's pictures: 29 icon positions and the country flags. Icons come from the
// desktop's icon theme where it has one, else they are drawn; flags come from the
// installed flag set and are loaded the first time a country needs one.
class TreeIcons final {
public:
    static constexpr int kCount = 29;

    explicit TreeIcons(QString flagFolder = defaultFlagFolder());

    QIcon icon(int position) const;
    // The flag of a country key, or a null icon when it has none.
    QIcon flag(const QString& countryKey) const;

    static QString defaultFlagFolder();

private:
    QString m_flagFolder;
    mutable QVector<QIcon> m_icons;
    mutable QHash<QString, QIcon> m_flags;
};
