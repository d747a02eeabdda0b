#pragma once

#include <QString>

#include <array>

// The ten interface languages in Language menu order.
struct LanguageEntry {
    const char* menuObjectName; // e.g. "SSMnuLanguageEnglish"
    const char* designCaption; // the menu caption, never replaced by language texts
    const char* settingsLine; // the whole settings line 6 that selects it
    const char* helpPath; // help page on the vendor's server
};

namespace Languages {

const std::array<LanguageEntry, 10>& all();
// The entry whose settings line equals `line` exactly, or nullptr.
const LanguageEntry* bySettingsLine(const QString& line);
inline const QString kArabicLine = QStringLiteral("language=arabic");
inline const QString kEnglishLine = QStringLiteral("language=english");
// The language name of a settings line: the line without its first 9 characters.
QString nameOf(const QString& settingsLine);

} // namespace Languages
