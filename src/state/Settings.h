#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// The settings file `inf`: lines addressed by fixed position. Line 0 holds SettingsCount,
// the last line that is normalised at load and written by a save.
class Settings final {
public:
    enum Line : int {
        AnnouncementStamp = 1,
        TvListStamp = 2,
        RadioListStamp = 3,
        MovieListStamp = 4,
        ProgramVersion = 5,
        Language = 6,
        RecentCount = 7,
        AlwaysOnTop = 8,
        UpdateChannels = 9,
        MinimizeOnClose = 10,
        RemindMe = 11,
        BeforeStartBy = 12,
        RemindMeEvery = 13,
        TellNewVersion = 14,
    };

    Settings() = default;

    // Splits the file's text on CR LF, takes SettingsCount from line 0 and trims and
    // lower-cases lines 0 to SettingsCount (stopping at the last line that exists).
    static Settings fromBytes(const QByteArray& bytes);
    static Settings load(const QString& path);

    // Every line, each followed by CR LF: lines 0 to SettingsCount as normalised, the
    // lines past them as they were read.
    QByteArray toBytes() const;
    // Rewrites the file whole and atomically; returns the error text, empty on success.
    QString save(const QString& path) const;

    qsizetype lineCount() const { return m_lines.size(); }
    std::int16_t settingsCount() const { return m_count; }
    bool hasLine(int index) const { return index >= 0 && index < m_lines.size(); }
    // Empty for a line the file lacks.
    QString line(int index) const { return hasLine(index) ? m_lines[index] : QString(); }
    // Changes an existing line; a line the file lacks is left absent (returns false).
    bool setLine(int index, const QString& value);
    // Changes the line, first adding the lines the file lacks up to it (empty), and raising
    // SettingsCount to it when it lies past, so that a save writes it.
    void setOrAddLine(int index, const QString& value);

    // A yes/no setting is on only when the whole line equals its literal.
    bool lineEquals(int index, const QString& literal) const;
    // The text from the 1-based character position on, as the readers take values.
    QString valueFrom(int index, int position) const;

    // Always on top: on unless the line is missing or holds "0" after "aot=".
    bool alwaysOnTop() const;
    // Writes "aot=1" or "aot=0"; false, changing nothing, when the file lacks the line.
    bool setAlwaysOnTop(bool on);

    // The settings' own readers of derived values.
    std::int16_t remindBeforeSeconds() const;
    std::int16_t remindEveryMinutes() const;

private:
    QStringList m_lines;
    std::int16_t m_count = 0;
};
