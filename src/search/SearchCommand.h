#pragma once

#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

struct AppState;
struct PlayRequest;
class CatalogueView;
class FindWindow;
class MainWindow;
class SearchResultsModel;

// The Find command: the window, the search and playing a result.
class SearchCommand final {
public:
    SearchCommand(AppState& state, MainWindow& window, CatalogueView& view,
        std::function<void(const PlayRequest&)> runVideo);
    ~SearchCommand();

    // Shows the window, modeless, with the last search text.
    void show();
    void find();
    // Selects the result's node in the tree (switching the view when needed) and plays it.
    void activate(int row);

    FindWindow* window() const;
    SearchResultsModel& results() { return *m_results; }

private:
    AppState& m_state;
    MainWindow& m_window;
    CatalogueView& m_view;
    std::function<void(const PlayRequest&)> m_runVideo;
    std::unique_ptr<SearchResultsModel> m_results;
    QPointer<FindWindow> m_find;
    QString m_searchText; // SearchText: kept for the whole run
};
