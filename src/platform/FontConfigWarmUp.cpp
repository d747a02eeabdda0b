#include "platform/FontConfigWarmUp.h"

#include <dlfcn.h>

#include <system_error>

FontConfigWarmUp::FontConfigWarmUp()
{
    // Qt's GUI library brings fontconfig in with it; looked up at run time, so the build
    // needs no fontconfig headers and a Qt without it simply skips this.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit"));
    if (!init)
        return;
    try {
        m_thread = std::thread(init);
    } catch (const std::system_error&) {
        // No thread to be had: fontconfig starts when Qt first needs it, as without this.
    }
}

FontConfigWarmUp::~FontConfigWarmUp() { finish(); }

void FontConfigWarmUp::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}
