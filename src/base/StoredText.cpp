#include "base/StoredText.h"

#include "base/StoredField.h"

#include <limits>

StoredText::StoredText(const QString& text) : StoredText(fromStored(StoredField::encodeText(text))) { }

StoredText StoredText::fromStored(QByteArray stored)
{
    StoredText text;
    if (stored.size() > std::numeric_limits<std::int32_t>::max())
        return text; // no field of a file this program reads is as long
    text.m_size = static_cast<std::int32_t>(stored.size());
    text.m_source = std::move(stored);
    return text;
}

StoredText StoredText::within(const QByteArray& source, QByteArrayView field)
{
    const auto begin = reinterpret_cast<std::uintptr_t>(source.constData());
    const auto at = reinterpret_cast<std::uintptr_t>(field.data());
    const bool inside = !field.isEmpty() && at >= begin
        && at - begin + static_cast<std::uintptr_t>(field.size())
            <= static_cast<std::uintptr_t>(source.size());
    if (!inside || source.size() > std::numeric_limits<std::int32_t>::max())
        return fromStored(field.toByteArray());
    StoredText text;
    text.m_source = source;
    text.m_from = static_cast<std::int32_t>(at - begin);
    text.m_size = static_cast<std::int32_t>(field.size());
    return text;
}

QString StoredText::toString() const { return StoredField::decodeText(stored()); }
