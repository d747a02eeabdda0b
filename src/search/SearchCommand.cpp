#include "search/SearchCommand.h"

#include "catalogue/CatalogueView.h"
#include "catalogue/core/AppState.h"
#include "search/FindWindow.h"
#include "search/SearchResultsModel.h"
#include "state/LanguageTexts.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeView>

SearchCommand::SearchCommand(
    AppState& state, MainWindow& window, CatalogueView& view, std::function<void(const PlayRequest&)> runVideo)
    : m_state(state), m_window(window), m_view(view), m_runVideo(std::move(runVideo))
{
    m_results = std::make_unique<SearchResultsModel>(m_state.texts);
}

SearchCommand::~SearchCommand() { delete m_find; }

FindWindow* SearchCommand::window() const { return m_find; }

void SearchCommand::show()
{
    if (!m_find) {
        m_find = new FindWindow(&m_window, m_window.chromeState(), m_state.texts, *m_results);
        m_find->setAttribute(Qt::WA_DeleteOnClose);
        m_find->Text1->setText(m_searchText);
        QObject::connect(m_find, &FindWindow::findClicked, m_find, [this] { find(); });
        QObject::connect(m_find, &FindWindow::runClicked, m_find, [this](int row) { activate(row); });
    }
    m_find->show();
    m_find->raise();
    m_find->activateWindow();
}

void SearchCommand::find()
{
    FindWindow& w = *m_find;
    m_searchText = w.Text1->text();
    m_results->setHits(m_state.catalogue, CatalogueSearch::find(m_state.catalogue,
        {m_searchText, w.OptInfo->isChecked(), w.chkWholeWord->isChecked(), w.chkTV->isChecked(),
            w.chkRad->isChecked(), w.chkFav->isChecked()}));
}

// The row plays the record it found, also a favorite deleted since the search.
void SearchCommand::activate(int row)
{
    if (row < 0 || row >= m_results->rowCount())
        return;
    const CatalogueSearch::Hit hit = m_results->hit(row);
    m_state.playback.localFiles.listMode = false;
    if (hit.favorite && m_state.currentView != 2)
        m_window.viewSelector->setCurrentIndex(2);
    else if (!hit.favorite && m_state.currentView != 0 && m_state.currentView != 1)
        m_window.viewSelector->setCurrentIndex(0);
    m_view.selectKey(SearchResultsModel::keyOf(hit));
    m_window.catalogueTree->scrollTo(m_view.selectedIndex());
    const ChannelRecord* record = m_results->record(row);
    if (record)
        m_runVideo({record->kind, record->op, record->address, record->name});
}
