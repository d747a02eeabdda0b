#include "base/SharedBytes.h"

#include <limits>

namespace {

constexpr qsizetype kLongest = std::numeric_limits<std::int32_t>::max();

} // namespace

SharedBytes::SharedBytes(QByteArray bytes)
{
    if (bytes.size() > kLongest)
        return; // no field of a file this program reads is as long
    m_size = static_cast<std::int32_t>(bytes.size());
    m_source = std::move(bytes);
}

SharedBytes SharedBytes::within(const QByteArray& source, QByteArrayView part)
{
    const auto begin = reinterpret_cast<std::uintptr_t>(source.constData());
    const auto at = reinterpret_cast<std::uintptr_t>(part.data());
    const bool inside = !part.isEmpty() && at >= begin
        && at - begin + static_cast<std::uintptr_t>(part.size())
            <= static_cast<std::uintptr_t>(source.size());
    if (!inside || source.size() > kLongest)
        return SharedBytes(part.toByteArray());
    SharedBytes shared;
    shared.m_source = source;
    shared.m_from = static_cast<std::int32_t>(at - begin);
    shared.m_size = static_cast<std::int32_t>(part.size());
    return shared;
}

QByteArray SharedBytes::toByteArray() const
{
    if (m_from == 0 && m_size == m_source.size())
        return m_source;
    return view().toByteArray();
}
