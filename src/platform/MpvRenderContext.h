#pragma once

#include <mpv/render.h>

struct mpv_handle;
struct MpvLibrary;
class QWidget;

// The running engine a picture draws from.
struct MpvEngineHandle {
    mpv_handle* mpv = nullptr;
    const MpvLibrary* api = nullptr;
};

// One libmpv render context whose new frames ask a widget to repaint.
class MpvRenderContext {
public:
    MpvRenderContext() = default;
    MpvRenderContext(const MpvRenderContext&) = delete;
    MpvRenderContext& operator=(const MpvRenderContext&) = delete;
    // Freeing an OpenGL context needs its GL context current: the owner calls free().
    ~MpvRenderContext() = default;

    // `params` name the API and its settings; false when libmpv refuses them.
    bool create(const MpvEngineHandle& engine, mpv_render_param* params, QWidget* repaint);
    void render(mpv_render_param* params) const;
    void free();
    bool isValid() const { return m_render != nullptr; }

private:
    const MpvLibrary* m_api = nullptr;
    mpv_render_context* m_render = nullptr;
};
