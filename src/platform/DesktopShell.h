#pragma once

#include "platform/core/Shell.h"

// "Open" through the desktop's own handlers (QDesktopServices).
class DesktopShell final : public Shell {
public:
    bool open(const QUrl& url) override;
};
