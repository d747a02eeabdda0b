#include "platform/MpvSoftwarePicture.h"

#include <QPainter>
#include <QSysInfo>

#include <cstdint>
#include <utility>

namespace {

// libswscale takes its fast paths for lines and rows aligned this way.
constexpr qsizetype kAlignment = 64;

} // namespace

MpvSoftwarePicture::MpvSoftwarePicture(std::function<MpvEngineHandle()> engine, QWidget* parent)
    : QWidget(parent), m_engine(std::move(engine))
{
    // Every pixel is painted each time: nothing to clear first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    // Now, not at the first paint: libmpv fails a file's video when it finds no render
    // context, and the file the picture was shown for is already on its way.
    ensureContext();
}

MpvSoftwarePicture::~MpvSoftwarePicture() { release(); }

void MpvSoftwarePicture::release() { m_render.free(); }

bool MpvSoftwarePicture::ensureContext()
{
    if (m_render.isValid() || m_contextTried)
        return m_render.isValid();
    const MpvEngineHandle engine = m_engine();
    if (!engine.mpv)
        return false; // the engine may run later: ask again at the next paint
    m_contextTried = true;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    return m_render.create(engine, params, this);
}

void MpvSoftwarePicture::fitFrameTo(QSize pixels)
{
    if (m_frame.size() == pixels)
        return;
    m_frame = QImage();
    const qsizetype stride = (qsizetype(pixels.width()) * 4 + kAlignment - 1) / kAlignment * kAlignment;
    m_pixels.reset(static_cast<uchar*>(std::aligned_alloc(kAlignment, size_t(stride) * pixels.height())));
    if (m_pixels)
        m_frame = QImage(m_pixels.get(), pixels.width(), pixels.height(), stride, QImage::Format_RGB32);
}

void MpvSoftwarePicture::renderFrame()
{
    int size[2] = {m_frame.width(), m_frame.height()};
    size_t stride = size_t(m_frame.bytesPerLine());
    // QImage's RGB32 is 0xffRRGGBB in a 32-bit word, whatever the byte order.
    char* format = const_cast<char*>(QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "bgr0" : "0rgb");
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, size},
        {MPV_RENDER_PARAM_SW_FORMAT, format},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, m_pixels.get()},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    m_render.render(params);
    // libmpv leaves the fourth byte undefined; Qt reads it as opacity wherever the picture
    // meets a surface with an alpha channel.
    for (int y = 0; y < size[1]; ++y) {
        auto* line = reinterpret_cast<std::uint32_t*>(m_pixels.get() + stride * size_t(y));
        for (int x = 0; x < size[0]; ++x)
            line[x] |= 0xff000000u;
    }
}

void MpvSoftwarePicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal ratio = devicePixelRatioF();
    if (ensureContext())
        fitFrameTo((QSizeF(size()) * ratio).toSize());
    if (!m_render.isValid() || m_frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    renderFrame();
    m_frame.setDevicePixelRatio(ratio);
    painter.drawImage(QPoint(0, 0), m_frame);
}
