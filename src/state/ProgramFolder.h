#pragma once

#include <QString>

// Where the program keeps its files (settings, lists, favorites, language files).
class ProgramFolder final {
public:
    struct Environment {
        QString vidorraHome; // VIDORRA_HOME, empty when unset
        QString executableDir; // folder of the running executable
        QString xdgDataHome; // XDG_DATA_HOME or its default ~/.local/share
        QString installedDefaults; // shipped defaults used to seed a new per-user folder
    };

    // VIDORRA_HOME when set; else the executable's folder when it holds `inf` (portable
    // layout); else the per-user folder, created and seeded from the installed defaults
    // without overwriting anything already there.
    static ProgramFolder resolve(const Environment& environment);
    static Environment currentEnvironment();
    // Where the shipped defaults are for an executable in this folder.
    static QString installedDefaults(const QString& executableDir);

    explicit ProgramFolder(QString root) : m_root(std::move(root)) { }

    const QString& root() const { return m_root; }
    QString file(const QString& name) const;
    QString languageFile(const QString& languageName) const;

    // Removes the temporary files that a write cut short (a crash, a kill) left beside the
    // files the program rewrites (".fav.fav.a1B2c3.vidorra-partial"); nothing else, however
    // much a user's own file name looks like one. Returns how many went.
    int removeWriteLeftovers() const;

    // Copies every file below `from` that is missing below `to`; existing files stay.
    static void seedMissing(const QString& from, const QString& to);

private:
    QString m_root;
};
