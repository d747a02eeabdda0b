#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

// The local media files chosen together in Open, shown under "My Computer".
struct LocalFileList {
    QStringList files;
    int last = 0; // the highest index in use
    bool listMode = false; // a list of files is playing
    int playingIndex = 0;
};

// What plays now, shared by the tree, the players, the scheduler and the commands that
// start playing.
struct NowPlaying {
    std::uint8_t currentOperator = 8; // 8: the start page
    QString currentRoot; // the address that plays, as stored
    QString title; // its name as the window's caption shows it
    bool ignoreNextStop = false; // the stop of the item being replaced does not move the list on
    LocalFileList localFiles;
    std::uint8_t localOperator = 1; // the player of the files in `localFiles`
};

// What is asked to play.
struct PlayRequest {
    int kind = 0; // 0 radio, 1 TV, 2 favorite file, 3 movie store, 5 local file, 6 recent, 8 first of many
    int op = 0; // the player
    QByteArray root; // the address as stored
    QString name;
};
