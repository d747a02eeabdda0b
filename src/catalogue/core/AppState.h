#pragma once

#include "catalogue/core/Catalogue.h"
#include "catalogue/core/PlaybackState.h"
#include "state/ProgramState.h"

// The state the feature windows share for the whole run: the program's files and
// settings, the catalogue in memory, the tree's view and what plays now. It lives with
// the catalogue because every feature builds on the catalogue.
struct AppState : ProgramState {
    explicit AppState(ProgramFolder programFolder) : ProgramState(std::move(programFolder)) { }

    Catalogue catalogue;
    PlaybackState playback;
    int currentView = 0; // the tree's view; 0 until the first build
};
