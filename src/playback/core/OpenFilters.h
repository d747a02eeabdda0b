#pragma once

#include <QString>
#include <QStringList>

class LanguageTexts;

// The four file types of the Open dialog, one per player; the selected one picks the player.
namespace OpenFilters {

// "Label (*.rm *.rax ...)" entries in order; labels are language texts 37 to 40.
QStringList filters(const LanguageTexts& texts);
// The extensions of filter position 1 to 4.
QStringList extensions(int position);

} // namespace OpenFilters
