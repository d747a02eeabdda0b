#pragma once

#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "ui/LanguageTexts.h"

#include <cstdint>

// The state the program's windows share for the whole run.
struct AppState {
    explicit AppState(ProgramFolder programFolder) : folder(std::move(programFolder)) { }

    ProgramFolder folder;
    Settings settings;
    LanguageTexts texts;

    // Derived from the settings at start-up and by the options dialog.
    std::int16_t remindBeforeSeconds = 0;
    std::int16_t remindEveryMinutes = 0;
    // Kept for the turn-off timer: this system needs no privilege step before powering off.
    std::int32_t isWinNT = 1;

    // Playback: 8 stands for the start page until something plays.
    std::uint8_t currentOperator = 8;
    bool movieStoreLoaded = false;
    int currentView = 1;

    QString saveSettings() const { return settings.save(folder.file(QStringLiteral("inf"))); }
};
