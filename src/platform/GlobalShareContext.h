#pragma once

namespace GlobalShareContext {

// Qt Gui's global OpenGL share context, and the setting that has every context share with
// it: what Qt does at start-up when asked to share contexts. The web engine's pages draw
// through it, and an OpenGL widget keeps its context when it moves to another window
// (full screen and back). Made at the first of those, so the first window pays for none of it.
void ensure();

// The same context named but not made: the web engine looks for one even when it draws
// without OpenGL, and making it would load OpenGL for nothing. ensure() makes it later.
void ensureNamed();

} // namespace GlobalShareContext
