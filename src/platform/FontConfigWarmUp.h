#pragma once

#include <thread>

// Fontconfig reads its configuration files and font caches the first time any text is
// measured, which is while the main window is being built. A thread of its own does that
// here while the application object is made; finish() waits for it and comes before the
// first widget.
class FontConfigWarmUp final {
public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void finish();

private:
    std::thread m_thread;
};
