#include "playback/core/OpenFilters.h"

#include "state/LanguageTexts.h"
#include "state/TextId.h"

namespace OpenFilters {

QStringList extensions(int position)
{
    static const char* const lists[4] = {
        "rm rax ra ram rmvb mp3 mp2 mpa mp1 rmm rvx rmx rtx rt rp rms rmj rv mpga mpg mpeg smi smil pls "
        "xpl rmp m3u avi sdp aif au mov qt 3gp mid midi mp4",
        "wmv mpeg mpg asf wa asx m3u wav wax wvx snd au aif wma wpl wmx mpa mid midi rmi",
        "m3u pls cda m2v mid midi rmi kar aac apl vlb nsa nsv mp4 mra ogg voc aiff miz",
        "mov qt mp3 wav",
    };
    if (position < 1 || position > 4)
        return {};
    return QString::fromLatin1(lists[position - 1]).split(u' ');
}

QStringList filters(const LanguageTexts& texts)
{
    QStringList result;
    for (int position = 1; position <= 4; ++position) {
        QStringList patterns;
        for (const QString& extension : extensions(position))
            patterns << QStringLiteral("*.") + extension;
        result << QStringLiteral("%1 (%2)").arg(
            texts.text(number(TextId::RealMediaFiles) + position - 1), patterns.join(u' '));
    }
    return result;
}

} // namespace OpenFilters
