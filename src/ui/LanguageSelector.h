#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

class LanguageTexts;
class MainWindow;
class Settings;
class Shell;

// SelectLanguage and the Language and Help menu entries of the main window.
class LanguageSelector final {
public:
    struct Hooks {
        std::function<QString()> saveSettings; // error text, empty on success
        std::function<void()> arabicAppearance; // toggles right to left
        std::function<void(const QString&)> showError;
        std::function<QString(const QString&)> languageFilePath; // from a language name
        std::function<QUrl(const QString&)> helpPage; // the vendor's address of a help page
    };

    LanguageSelector(Settings& settings, LanguageTexts& texts, MainWindow& window, Shell& shell, Hooks hooks);

    // Loads the language of settings line `whichLanguage`. firstRun is true only for the
    // start-up call, which neither saves the settings nor keeps the previous filter item.
    void selectLanguage(const QString& whichLanguage, bool firstRun);
    // The Language menu entry of that settings line.
    void menuChosen(const QString& settingsLine);
    // Puts the check mark on the item whose settings line equals `line`; none on no match.
    void checkItemFor(const QString& line);
    // Opens the help page of the current language, when it is one of the ten.
    void openHelp();

    // The item the view selector last held; kept by its click handler.

private:
    // Assigns the checked file's texts in the fixed order.
    void assignTexts(const QStringList& texts);

    Settings& m_settings;
    LanguageTexts& m_texts;
    MainWindow& m_window;
    Shell& m_shell;
    Hooks m_hooks;
    int m_rememberedFilter = 1;
    QString m_shown; // the settings line of the language shown; empty before the first

};
