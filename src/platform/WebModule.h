#pragma once

#include "platform/WebView.h"

#include <memory>

// Embedded pages come from a module of their own, loaded when the first page is made:
// the web engine's libraries take several times longer to load than the whole main
// window takes to show, and most starts never need them before the window is up.
namespace WebModule {

// A new page from the module, or null (with a warning) when the module cannot be loaded.
std::unique_ptr<WebView> makeView();

// Loads the module now, so the first page made later does not wait for it.
void preload();

} // namespace WebModule
