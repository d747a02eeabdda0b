#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstdint>

// Bytes held as they were read. Bytes that lie within a file's bytes share them instead
// of copying their own: a list holds thousands of fields that are read rarely, and a copy
// of each would take as many new pages again at start-up. Sharing keeps the whole file
// in memory as long as any field read from it lives.
class SharedBytes {
public:
    SharedBytes() = default;
    // Bytes of their own, as typed or made.
    SharedBytes(QByteArray bytes); // NOLINT(google-explicit-constructor)
    // A part of `source`; shared when it lies within it, copied otherwise.
    static SharedBytes within(const QByteArray& source, QByteArrayView part);

    QByteArrayView view() const { return QByteArrayView(m_source.constData() + m_from, m_size); }
    operator QByteArrayView() const { return view(); } // NOLINT(google-explicit-constructor)
    // Bytes held whole come back shared; a part of a file is copied out.
    QByteArray toByteArray() const;
    qsizetype size() const { return m_size; }
    bool isEmpty() const { return m_size == 0; }

    friend bool operator==(const SharedBytes& a, const SharedBytes& b) { return a.view() == b.view(); }

private:
    QByteArray m_source;
    std::int32_t m_from = 0;
    std::int32_t m_size = 0;
};
Q_DECLARE_TYPEINFO(SharedBytes, Q_RELOCATABLE_TYPE);
