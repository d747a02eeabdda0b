#include "base/StoredText.h"

#include "base/StoredField.h"

StoredText::StoredText(const QString& text) : m_stored(StoredField::encodeText(text)) { }

StoredText StoredText::fromStored(QByteArray stored)
{
    StoredText text;
    text.m_stored = std::move(stored);
    return text;
}

QString StoredText::toString() const { return StoredField::decodeText(m_stored); }
