#pragma once

#include "catalogue/core/TreeBuilder.h"

#include <QString>

#include <cstdint>

// What plays now, shared by the tree, the players and the scheduler.
struct PlaybackState {
    std::uint8_t currentOperator = 8; // 8: the start page
    QString currentRoot; // the address that plays, as stored
    QString playingNodeKey; // key of the tree node marked as playing, empty for none
    int playingKind = 0;
    bool ignoreNextStop = false;
    LocalFileList localFiles;
    std::uint8_t localOperator = 1;
};

// What the tree asks the player to play.
struct PlayRequest {
    int kind = 0; // TvRaComp: 0 radio, 1 TV, 2 favorite file, 3 movie store, 5 local file, 6 recent, 8 first
                  // of many
    int op = 0; // the player
    QByteArray root; // the address as stored
    QString name;
};
