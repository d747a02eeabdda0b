#pragma once

#include "state/LanguageTexts.h"
#include "state/ProgramFolder.h"
#include "state/Settings.h"

// What every window reads for the whole run: where the program's files are, the settings
// and the texts of the language shown.
struct ProgramState {
    explicit ProgramState(ProgramFolder programFolder) : folder(std::move(programFolder)) { }

    ProgramFolder folder;
    Settings settings;
    LanguageTexts texts;

    QString saveSettings() const { return settings.save(folder.file(QStringLiteral("inf"))); }
};
