#include "base/StoredText.h"

#include "base/StoredField.h"

StoredText::StoredText(const QString& text) : m_stored(StoredField::encodeText(text)) { }

StoredText StoredText::fromStored(QByteArray stored) { return StoredText(SharedBytes(std::move(stored))); }

StoredText StoredText::within(const QByteArray& source, QByteArrayView field)
{
    return StoredText(SharedBytes::within(source, field));
}

QString StoredText::toString() const { return StoredField::decodeText(m_stored.view()); }
