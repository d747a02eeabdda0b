#include "search/SearchCommand.h"

#include "catalogue/CatalogueFace.h"
#include "playback/PlaybackFace.h"
#include "search/FindWindow.h"
#include "search/SearchResultsModel.h"
#include "state/LanguageTexts.h"
#include "ui/MainWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

SearchCommand::SearchCommand(
    const LanguageTexts& texts, MainWindow& window, CatalogueFace& catalogue, PlaybackFace& playback)
    : m_texts(texts), m_window(window), m_catalogue(catalogue), m_playback(playback)
{
    m_results = std::make_unique<SearchResultsModel>(m_texts);
}

SearchCommand::~SearchCommand() { delete m_find; }

FindWindow* SearchCommand::window() const { return m_find; }

void SearchCommand::show()
{
    if (!m_find) {
        m_find = new FindWindow(&m_window, m_window.chromeState(), m_texts, *m_results);
        m_find->setAttribute(Qt::WA_DeleteOnClose);
        m_find->searchEdit->setText(m_searchText);
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
    m_searchText = w.searchEdit->text();
    const Catalogue& catalogue = m_catalogue.catalogue();
    m_results->setHits(catalogue,
        CatalogueSearch::find(catalogue,
            {m_searchText, w.inInformationOption->isChecked(), w.wholeWordCheck->isChecked(),
                w.tvCheck->isChecked(), w.radioCheck->isChecked(), w.favoritesCheck->isChecked()}));
}

// The row plays the record it found, also a favorite deleted since the search.
void SearchCommand::activate(int row)
{
    if (row < 0 || row >= m_results->rowCount())
        return;
    const CatalogueSearch::Hit hit = m_results->hit(row);
    const TreeBuilder::View shown = m_catalogue.currentView();
    if (hit.favorite && shown != TreeBuilder::Favorites)
        m_catalogue.showView(TreeBuilder::Favorites);
    else if (!hit.favorite && shown != TreeBuilder::ByCategory && shown != TreeBuilder::ByCountry)
        m_catalogue.showView(TreeBuilder::ByCategory);
    m_catalogue.reveal(SearchResultsModel::keyOf(hit));
    if (const ChannelRecord* record = m_results->record(row))
        m_playback.playItem({record->kind, record->op, record->address.toByteArray(), record->name});
}
