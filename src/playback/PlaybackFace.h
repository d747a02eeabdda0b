#pragma once

#include "playback/core/NowPlaying.h"

// What the other features may ask of playback: play an item, and what plays now.
class PlaybackFace {
public:
    virtual ~PlaybackFace() = default;

    // Plays an item of the lists or favorites; a list of local files playing ends.
    virtual void playItem(const PlayRequest& request) = 0;
    virtual const NowPlaying& nowPlaying() const = 0;

protected:
    PlaybackFace() = default;
    PlaybackFace(const PlaybackFace&) = default;
    PlaybackFace& operator=(const PlaybackFace&) = default;
};
