#include "schedule/ScheduledListWindow.h"

#include "schedule/core/DayNumber.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

// The locale's separator that follows the first field of its short format.
QString separatorIn(const QString& format, const QString& fallback)
{
    for (const QChar c : format) {
        if (!c.isLetter())
            return QString(c);
    }
    return fallback;
}

} // namespace

ScheduledListWindow::ScheduledListWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts)
    : ChromeDialog(owner, Frame::Titled, state)
{
    setObjectName(QStringLiteral("frmScheduledPrograms"));
    setWindowTitle(texts.text(TextId::ScheduledProgramsItem)
                       .chopped(std::min<qsizetype>(3, texts.text(TextId::ScheduledProgramsItem).size())));
    setAttribute(Qt::WA_DeleteOnClose);

    programsView = new QTreeWidget;
    programsView->setObjectName(QStringLiteral("ListView1"));
    programsView->setRootIsDecorated(false);
    programsView->setColumnCount(3);
    programsView->setHeaderLabels(
        {texts.text(TextId::ChannelName), texts.text(TextId::ProgramName), texts.text(TextId::StartTime)});
    programsView->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    programsView->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    programsView->setColumnWidth(0, 112);
    programsView->setColumnWidth(1, 112);
    programsView->setColumnWidth(2, 120);
    programsView->setMinimumWidth(380);
    connect(programsView, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (selectedIndex() >= 0)
            Q_EMIT runClicked(selectedIndex());
    });

    runButton = button("cmdRun", texts.text(TextId::Watch));
    runButton->setDefault(true);
    modifyButton = button("cmdModify", texts.text(TextId::Modify));
    deleteButton = button("cmdDelete", QStringLiteral("&Delete"));
    closeButton = button("cmdClose", texts.text(TextId::Close));
    const auto onSelected = [this](QPushButton* b, void (ScheduledListWindow::*signal)(int)) {
        connect(b, &QPushButton::clicked, this, [this, signal] {
            if (selectedIndex() >= 0)
                Q_EMIT(this->*signal)(selectedIndex());
        });
    };
    onSelected(runButton, &ScheduledListWindow::runClicked);
    onSelected(modifyButton, &ScheduledListWindow::modifyClicked);
    onSelected(deleteButton, &ScheduledListWindow::deleteClicked);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close); // Escape too, as the cancel button

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(runButton);
    buttons->addWidget(modifyButton);
    buttons->addWidget(deleteButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programsView);
    layout->addLayout(buttons);
}

ScheduledListWindow::~ScheduledListWindow() = default;

QString ScheduledListWindow::startText(double startTime)
{
    const std::optional<QDateTime> start = DayNumber::toDateTime(startTime);
    if (!start)
        return {};
    const QLocale locale;
    const QString time = separatorIn(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
    const QString date = separatorIn(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
    const QString clock = QStringLiteral("HH%1mm%1ss").arg(time);
    if (start->date().year() == 1899)
        return start->toString(clock);
    return start->toString(QStringLiteral("dd%1MM%1yyyy ").arg(date) + clock);
}

void ScheduledListWindow::refill(const QVector<ScheduledProgram>& programs)
{
    programsView->clear();
    for (int i = 0; i < programs.size(); ++i) {
        auto* row = new QTreeWidgetItem(programsView,
            {programs[i].channelName.trimmed(), programs[i].programName.trimmed(),
                startText(programs[i].startTime)});
        row->setData(0, Qt::UserRole, QStringLiteral("S%1").arg(i));
        row->setTextAlignment(1, Qt::AlignCenter);
        row->setTextAlignment(2, Qt::AlignCenter);
    }
}

int ScheduledListWindow::selectedIndex() const
{
    const QTreeWidgetItem* row = programsView->currentItem();
    return row && row->isSelected() ? programsView->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(row))
                                    : -1;
}
