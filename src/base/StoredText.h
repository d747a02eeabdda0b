#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <cstdint>

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
    // A field that lies within `source`, a file's bytes: it shares them instead of
    // copying its own, and so keeps the whole of `source` as long as it lives.
    static StoredText within(const QByteArray& source, QByteArrayView field);

    QString toString() const;
    bool isEmpty() const { return m_size == 0; }

    // Equal when they read as the same text, whichever bytes stored it.
    friend bool operator==(const StoredText& a, const StoredText& b)
    {
        return a.stored() == b.stored() || a.toString() == b.toString();
    }

private:
    QByteArrayView stored() const { return QByteArrayView(m_source.constData() + m_from, m_size); }

    QByteArray m_source;
    std::int32_t m_from = 0;
    std::int32_t m_size = 0;
};
Q_DECLARE_TYPEINFO(StoredText, Q_RELOCATABLE_TYPE);
