#pragma once

#include "guide/core/GuideTable.h"

#include <QByteArrayView>
#include <QString>
#include <QXmlStreamReader>

#include <functional>
#include <memory>
#include <optional>

// Reads a guide in the XMLTV format a piece at a time: <tv>, its <channel id> entries with
// <display-name>, its <programme start stop channel> entries with <title>, <sub-title>,
// <desc> and <category>. Programmes of channels it does not list, or without a channel or
// a start, are left out; times carry their own UTC offsets ("20261207183000 +0100").
// A document that is not whole, well-formed XMLTV is an error: nothing of it is kept.
class XmltvReader final {
public:
    // Guides above this many programmes are refused, so that a hostile one cannot fill memory.
    static constexpr qsizetype kMostProgrammes = 5'000'000;

    XmltvReader();

    // False once the document is known to be bad; error() says why.
    bool feed(QByteArrayView piece);
    // The guide, when the document ended whole and well-formed; else nothing.
    std::optional<GuideTable> finish();
    const QString& error() const { return m_error; }

    // "YYYYMMDDhhmmss +hhmm" (seconds and offset optional) as UTC seconds.
    static std::optional<qint64> utcSeconds(QStringView text);

    // A whole document at once, plain or gzip-compressed.
    static std::optional<GuideTable> read(QByteArrayView bytes, qint64 maxUnpacked, QString* error);
    // A file, a piece at a time, plain or gzip-compressed; `stop` asked between pieces ends
    // the reading without a guide.
    static std::optional<GuideTable> readFile(
        const QString& path, qint64 maxUnpacked, QString* error, const std::function<bool()>& stop = {});

private:
    enum class Capture { None, DisplayName, Title, SubTitle, Description, Category };

    void take(const QByteArray& block);
    void readTokens();
    void startElement();
    void endElement();
    void startProgramme();
    void endProgramme();
    bool fail(const QString& why);

    QXmlStreamReader m_xml;
    QByteArray m_waiting; // what was fed and not yet handed to the XML reader
    QByteArray m_head; // the first bytes, until they tell whether the text is UTF-16 or -32
    bool m_wide = false; // a text of 16 or 32 bits a character, where NUL bytes belong
    GuideTable m_table;
    QString m_error;
    bool m_sawTv = false;
    int m_depth = 0; // elements open
    bool m_rootClosed = false; // the document's element ended: the guide is whole
    int m_currentChannel = -1; // the <channel> being read
    bool m_inProgramme = false;
    bool m_programmeUsable = false; // its channel is known and its start readable
    GuideTable::Programme m_programme;
    QString m_programmeTexts[4]; // title, sub-title, description, category: the first of each
    Capture m_capture = Capture::None;
    QString m_text; // the text of the element being captured, as it arrives
};
