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

    Text1 = named(new QLineEdit, "Text1");
    Frame1 = named(new QGroupBox(t.text(TextId::SearchIn)), "Frame1");
    OptName = named(new QRadioButton(t.text(TextId::SearchNames)), "OptName");
    OptInfo = named(new QRadioButton(t.text(TextId::SearchInformation)), "OptInfo");
    OptName->setChecked(true);
    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(OptName);
    options->addWidget(OptInfo);
    chkWholeWord = named(new QCheckBox(t.text(TextId::WholeName)), "chkWholeWord");
    chkTV = named(new QCheckBox(t.text(TextId::TvChannels)), "chkTV");
    chkRad = named(new QCheckBox(t.text(TextId::Radios)), "chkRad");
    chkFav = named(new QCheckBox(t.text(TextId::SearchFavorites)), "chkFav");
    for (QCheckBox* box : {chkTV, chkRad, chkFav}) {
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { checkSelected(); });
    }
    connect(OptInfo, &QRadioButton::clicked, this, [this] { byInformation(); });
    connect(OptName, &QRadioButton::clicked, this, [this] { byName(); });

    Command1 = named(new QPushButton(t.text(TextId::Find)), "Command1");
    Command1->setDefault(true);
    cmdRun = named(new QPushButton(t.text(TextId::Watch)), "cmdRun");
    Command2 = named(new QPushButton(t.text(TextId::Close)), "Command2");
    connect(Command1, &QPushButton::clicked, this, &FindWindow::findClicked);
    connect(cmdRun, &QPushButton::clicked, this, [this] {
        if (selectedRow() >= 0)
            Q_EMIT runClicked(selectedRow());
    });
    connect(Command2, &QPushButton::clicked, this, &QWidget::close);

    ListView1 = named(new QTreeView, "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true); // tens of thousands of rows stay quick
    ListView1->setModel(&results);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    // 1,680, 1,300, 1,300 and 1,300 twips.
    const int widths[4] = {112, 87, 87, 87};
    for (int column = 0; column < 4; ++column)
        ListView1->setColumnWidth(column, widths[column]);
    ListView1->setMinimumSize(400, 200);
    connect(ListView1, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT runClicked(index.row());
    });

    auto* boxes = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*> {chkWholeWord, chkTV, chkRad, chkFav})
        boxes->addWidget(w);
    auto* choices = new QHBoxLayout;
    choices->addWidget(Frame1);
    choices->addLayout(boxes);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(cmdRun);
    buttons->addStretch();
    buttons->addWidget(Command2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addLayout(choices);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    if (state.rightToLeft)
        Text1->setAlignment(Qt::AlignRight);
}

FindWindow::~FindWindow() = default;

void FindWindow::showEvent(QShowEvent* event)
{
    ChromeDialog::showEvent(event);
    Text1->setFocus();
}

int FindWindow::selectedRow() const
{
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void FindWindow::checkSelected()
{
    if (!OptName->isChecked())
        return;
    QCheckBox* boxes[] = {chkTV, chkRad, chkFav};
    int ticked = 0;
    for (QCheckBox* box : boxes)
        ticked += box->isChecked() ? 1 : 0;
    for (QCheckBox* box : boxes)
        box->setEnabled(!(ticked == 1 && box->isChecked()));
}

void FindWindow::byInformation()
{
    const QSignalBlocker blockRadio(chkRad), blockFavorites(chkFav), blockTv(chkTV);
    chkWholeWord->setChecked(false);
    chkWholeWord->setEnabled(false);
    chkRad->setChecked(false);
    chkFav->setChecked(false);
    chkTV->setChecked(true);
    for (QCheckBox* box : {chkRad, chkFav, chkTV})
        box->setEnabled(false);
}

void FindWindow::byName()
{
    chkFav->setChecked(true);
    chkRad->setChecked(true);
    for (QCheckBox* box : {chkWholeWord, chkRad, chkTV, chkFav})
        box->setEnabled(true);
    checkSelected();
}
