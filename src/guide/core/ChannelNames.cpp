#include "guide/core/ChannelNames.h"

#include <QRegularExpression>
#include <QStringList>

namespace ChannelNames {

QString comparable(const QString& name)
{
    // A bracketed note of quality or region, "(720p)", "[HD]", "(Backup)", goes whole.
    static const QRegularExpression bracketed(QStringLiteral("[\\(\\[][^\\)\\]]*[\\)\\]]"));
    static const QStringList qualities {QStringLiteral("hd"), QStringLiteral("fhd"), QStringLiteral("uhd"),
        QStringLiteral("sd"), QStringLiteral("4k"), QStringLiteral("8k"), QStringLiteral("hevc"),
        QStringLiteral("h265"), QStringLiteral("hdr")};
    static const QRegularExpression resolution(QStringLiteral("^\\d{3,4}[pi]$"));
    QString text = name.toLower();
    text.remove(bracketed);
    static const QRegularExpression between(
        QStringLiteral("[^\\w]+"), QRegularExpression::UseUnicodePropertiesOption);
    QStringList words = text.split(between, Qt::SkipEmptyParts);
    while (
        words.size() > 1 && (qualities.contains(words.last()) || resolution.match(words.last()).hasMatch()))
        words.removeLast();
    QString joined = words.join(QString());
    joined.remove(QLatin1Char('_'));
    return joined;
}

} // namespace ChannelNames
