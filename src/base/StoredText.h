#pragma once

#include "base/SharedBytes.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A text field held in its stored form (see StoredField) and decoded each time it is
// read. A list holds thousands of texts that are shown only for the selected item:
// reading the list does not decode them, and text in Latin script takes half the memory
// as bytes.
class StoredText {
public:
    StoredText() = default;
    // A text typed or imported: held as it would be stored, and read back the same.
    StoredText(const QString& text); // NOLINT(google-explicit-constructor)
    // A field as a file stores it.
    static StoredText fromStored(QByteArray stored);
    // A field that lies within `source`, a file's bytes: it shares them (see SharedBytes).
    static StoredText within(const QByteArray& source, QByteArrayView field);

    QString toString() const;
    bool isEmpty() const { return m_stored.isEmpty(); }

    // Equal when they read as the same text, whichever bytes stored it.
    friend bool operator==(const StoredText& a, const StoredText& b)
    {
        return a.m_stored == b.m_stored || a.toString() == b.toString();
    }

private:
    explicit StoredText(SharedBytes stored) : m_stored(std::move(stored)) { }

    SharedBytes m_stored;
};
Q_DECLARE_TYPEINFO(StoredText, Q_RELOCATABLE_TYPE);
