#pragma once

#include <QPointer>
#include <QString>

#include <memory>

class CatalogueFace;
class FindWindow;
class LanguageTexts;
class MainWindow;
class PlaybackFace;
class SearchResultsModel;

// The Find command: the window, the search and playing a result.
class SearchCommand final {
public:
    SearchCommand(
        const LanguageTexts& texts, MainWindow& window, CatalogueFace& catalogue, PlaybackFace& playback);
    ~SearchCommand();

    // Shows the window, modeless, with the last search text.
    void show();
    void find();
    // Selects the result's node in the tree (switching the view when needed) and plays it.
    void activate(int row);

    FindWindow* window() const;
    SearchResultsModel& results() { return *m_results; }

private:
    const LanguageTexts& m_texts;
    MainWindow& m_window;
    CatalogueFace& m_catalogue;
    PlaybackFace& m_playback;
    std::unique_ptr<SearchResultsModel> m_results;
    QPointer<FindWindow> m_find;
    QString m_searchText; // SearchText: kept for the whole run
};
