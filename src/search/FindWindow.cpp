#include "search/FindWindow.h"

#include "search/SearchResultsModel.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

template <typename Widget> Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FindWindow::FindWindow(QWidget* owner, ChromeState state, const LanguageTexts& t, SearchResultsModel& results)
    : ChromeDialog(owner, Frame::Titled, state)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(t.text(TextId::Find));
    setModal(false);

    searchEdit = named(new QLineEdit, "Text1");
    searchInBox = named(new QGroupBox(t.text(TextId::SearchIn)), "Frame1");
    inNamesOption = named(new QRadioButton(t.text(TextId::SearchNames)), "OptName");
    inInformationOption = named(new QRadioButton(t.text(TextId::SearchInformation)), "OptInfo");
    inNamesOption->setChecked(true);
    auto* options = new QVBoxLayout(searchInBox);
    options->addWidget(inNamesOption);
    options->addWidget(inInformationOption);
    wholeWordCheck = named(new QCheckBox(t.text(TextId::WholeName)), "chkWholeWord");
    tvCheck = named(new QCheckBox(t.text(TextId::TvChannels)), "chkTV");
    radioCheck = named(new QCheckBox(t.text(TextId::Radios)), "chkRad");
    favoritesCheck = named(new QCheckBox(t.text(TextId::SearchFavorites)), "chkFav");
    for (QCheckBox* box : {tvCheck, radioCheck, favoritesCheck}) {
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { checkSelected(); });
    }
    connect(inInformationOption, &QRadioButton::clicked, this, [this] { byInformation(); });
    connect(inNamesOption, &QRadioButton::clicked, this, [this] { byName(); });

    findButton = named(new QPushButton(t.text(TextId::Find)), "Command1");
    findButton->setDefault(true);
    runButton = named(new QPushButton(t.text(TextId::Watch)), "cmdRun");
    closeButton = named(new QPushButton(t.text(TextId::Close)), "Command2");
    connect(findButton, &QPushButton::clicked, this, &FindWindow::findClicked);
    connect(runButton, &QPushButton::clicked, this, [this] {
        if (selectedRow() >= 0)
            Q_EMIT runClicked(selectedRow());
    });
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    resultsView = named(new QTreeView, "ListView1");
    resultsView->setRootIsDecorated(false);
    resultsView->setUniformRowHeights(true); // tens of thousands of rows stay quick
    resultsView->setModel(&results);
    resultsView->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Name wider than country, category and type.
    const int widths[4] = {112, 87, 87, 87};
    for (int column = 0; column < 4; ++column)
        resultsView->setColumnWidth(column, widths[column]);
    resultsView->setMinimumSize(400, 200);
    connect(resultsView, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT runClicked(index.row());
    });

    auto* boxes = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> {wholeWordCheck, tvCheck, radioCheck, favoritesCheck})
        boxes->addWidget(w);
    auto* choices = new QHBoxLayout;
    choices->addWidget(searchInBox);
    choices->addLayout(boxes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(findButton);
    buttons->addWidget(runButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(searchEdit);
    layout->addLayout(choices);
    layout->addWidget(resultsView, 1);
    layout->addLayout(buttons);
    if (state.rightToLeft)
        searchEdit->setAlignment(Qt::AlignRight);
}

FindWindow::~FindWindow() = default;

void FindWindow::showEvent(QShowEvent* event)
{
    ChromeDialog::showEvent(event);
    searchEdit->setFocus();
}

int FindWindow::selectedRow() const
{
    const QModelIndexList rows = resultsView->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FindWindow::checkSelected()
{
    if (!inNamesOption->isChecked())
        return;
    QCheckBox* boxes[] = {tvCheck, radioCheck, favoritesCheck};
    int ticked = 0;
    for (QCheckBox* box : boxes)
        ticked += box->isChecked() ? 1 : 0;
    for (QCheckBox* box : boxes)
        box->setEnabled(!(ticked == 1 && box->isChecked()));
}

void FindWindow::byInformation()
{
    const QSignalBlocker blockRadio(radioCheck), blockFavorites(favoritesCheck), blockTv(tvCheck);
    wholeWordCheck->setChecked(false);
    wholeWordCheck->setEnabled(false);
    radioCheck->setChecked(false);
    favoritesCheck->setChecked(false);
    tvCheck->setChecked(true);
    for (QCheckBox* box : {radioCheck, favoritesCheck, tvCheck})
        box->setEnabled(false);
}

void FindWindow::byName()
{
    favoritesCheck->setChecked(true);
    radioCheck->setChecked(true);
    for (QCheckBox* box : {wholeWordCheck, radioCheck, tvCheck, favoritesCheck})
        box->setEnabled(true);
    checkSelected();
}
