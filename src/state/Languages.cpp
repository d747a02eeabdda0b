#include "state/Languages.h"

namespace Languages {

const std::array<LanguageEntry, 10>& all()
{
    static const std::array<LanguageEntry, 10> entries = {{
        {"SSMnuLanguageArabic", "&Arabic", "language=arabic", "/help/ar.htm"},
        {"SSMnuLanguageDutch", "&Dutch", "language=dutch", "/help/du.htm"},
        {"SSMnuLanguageEnglish", "&English", "language=english", "/help/en.htm"},
        {"SSMnuLanguageFrench", "&French", "language=french", "/help/fr.htm"},
        {"SSMnuLanguageGerman", "&German", "language=german", "/help/ge.htm"},
        {"SSMnuLanguageGreek", "G&reek", "language=greek", "/help/gr.htm"},
        {"SSMnuLanguageItalian", "&Italian", "language=italian", "/help/it.htm"},
        {"SSMnuLanguagePortuguese", "&Portuguese", "language=portuguese", "/help/po.htm"},
        {"SSMnuLanguageRussian", "R&ussian", "language=russian", "/help/ru.htm"},
        {"SSMnuLanguageSpanish", "&Spanish", "language=spanish", "/help/es.htm"},
    }};
    return entries;
}

const LanguageEntry* bySettingsLine(const QString& line)
{
    for (const LanguageEntry& entry : all()) {
        if (line == QLatin1String(entry.settingsLine))
            return &entry;
    }
    return nullptr;
}

QString nameOf(const QString& settingsLine) { return settingsLine.mid(9); }

} // namespace Languages
