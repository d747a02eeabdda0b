#pragma once

#include "state/LanguageTexts.h"
#include "state/ProgramFolder.h"
#include "state/Settings.h"

#include <cstdint>

// What every window reads for the whole run: where the program's files are, the settings
// and the texts of the language shown.
struct ProgramState {
    explicit ProgramState(ProgramFolder programFolder) : folder(std::move(programFolder)) { }

    ProgramFolder folder;
    Settings settings;
    LanguageTexts texts;

    // Derived from the settings at start-up and by the options dialog.
    std::int16_t remindBeforeSeconds = 0;
    std::int16_t remindEveryMinutes = 0;
    // Kept for the turn-off timer: this system needs no privilege step before powering off.
    std::int32_t isWinNT = 1;

    QString saveSettings() const { return settings.save(folder.file(QStringLiteral("inf"))); }
};
