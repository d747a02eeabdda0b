#pragma once

#include "app/ProgramFolder.h"
#include "app/Settings.h"
#include "catalogue/Catalogue.h"
#include "playback/PlaybackState.h"
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

    Catalogue catalogue;
    PlaybackState playback;
    int currentView = 0; // the tree's view; 0 until the first build

    QString saveSettings() const { return settings.save(folder.file(QStringLiteral("inf"))); }
};
