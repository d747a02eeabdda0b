#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class Settings;
class Transfer;

// UpdateInternet: the manifest "dot.dll", then each of the four data files whose stamp
// changed (all of them when forced), each stored atomically and only when it arrived whole
// and passed its test, its stamp stored after it; then the announcement table and whether
// to ask about a new version. Every fetch runs without holding up the caller; the result
// comes once the whole check has ended.
class UpdateCheck final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(UpdateCheck)
public:
    struct Parts {
        Transfer& transfer;
        Settings& settings;
        QString folder; // the program folder
        QUrl serverRoot; // ends with "/"
        std::function<QString()> saveSettings; // error text, empty on success
    };
    struct Result {
        bool manifestRead = false; // the check got past the manifest
        QStringList announcements; // the announcement table, empty when it could not be read
        int announcementCount = 0;
        bool askAboutNewVersion = false;
        QStringList stored; // the files replaced, in order
    };

    // The bounds of what the server may send.
    static constexpr qint64 kManifestBytes = 64 * 1024;
    static constexpr qint64 kAnnouncementBytes = 1024 * 1024;
    static constexpr qint64 kListBytes = 32 * 1024 * 1024;

    explicit UpdateCheck(Parts parts, QObject* parent = nullptr);
    ~UpdateCheck() override;

    // Starts a check; `done` runs once, when it has ended. One check at a time.
    void run(bool force, std::function<void(const Result&)> done);
    // Ends a running check at once with what it has so far: the files it stored stay,
    // each with its stamp; what is still arriving is dropped, so the next check fetches it.
    void abandon();
    bool running() const { return m_running; }

    // The acceptance tests: a list has "|" among its first five bytes; the announcement
    // file's first byte, unscrambled, is a decimal digit.
    static bool acceptsList(const QByteArray& bytes);
    static bool acceptsAnnouncements(const QByteArray& bytes);
    // The manifest's lines: the stamps of the four data files and the program's version.
    // Nothing unless it names the announcements within its first ten characters and has
    // all five lines; a manifest cut short is no manifest.
    static std::optional<QStringList> parseManifest(const QString& text);
    // The stored announcement file as its table of lines; empty when unreadable.
    static QStringList announcementTable(const QByteArray& stored);

private:
    void manifestArrived(const QString& text);
    void downloadStep(int step);
    void stepArrived(int step, const QByteArray& bytes);
    void afterAnnouncements();
    void finish();
    void fetch(const QString& file, qint64 maxBytes, std::function<void(const QByteArray&)> arrived);

    Parts m_parts;
    bool m_force = false;
    bool m_running = false;
    quint64 m_generation = 0; // a fetch of an abandoned check finds it changed
    QStringList m_manifest;
    Result m_result;
    std::function<void(const Result&)> m_done;
};
