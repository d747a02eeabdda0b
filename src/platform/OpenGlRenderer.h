#pragma once

namespace OpenGlRenderer {

// Whether the display's OpenGL runs on the processor (Mesa's llvmpipe and its kin, or no
// OpenGL at all). Asked once: without a GPU device the answer is known at once, else a
// context made for the question names its renderer. VIDORRA_VIDEO_OUTPUT=opengl or
// software gives the answer instead.
bool drawsInSoftware();

} // namespace OpenGlRenderer
