#pragma once

#include "state/LanguageFile.h"
#include "state/TextId.h"

#include <QString>
#include <QStringList>

// The shared text slots that every window reads its captions and messages from.
// A slot keeps its old text until a language load reaches it.
class LanguageTexts final {
public:
    LanguageTexts() : m_slots(LanguageFile::kTextCount) { }

    QString text(int n) const { return n >= 0 && n < m_slots.size() ? m_slots[n] : QString(); }
    QString text(TextId id) const { return text(static_cast<int>(id)); }
    void set(int n, const QString& value)
    {
        if (n >= 0 && n < m_slots.size())
            m_slots[n] = value;
    }

private:
    QStringList m_slots;
};
