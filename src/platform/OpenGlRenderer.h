#pragma once

#include <QByteArrayView>

namespace OpenGlRenderer {

// Whether the display's OpenGL runs on the processor (Mesa's llvmpipe and its kin, or no
// OpenGL at all). Asked once, with a context made for the question.
bool drawsInSoftware();

// Whether a GL_RENDERER string names a software renderer.
bool isSoftwareName(QByteArrayView renderer);

} // namespace OpenGlRenderer
