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
    setWindowTitle(texts.text(TextId::ScheduledProgramsItem).chopped(std::min<qsizetype>(3, texts.text(TextId::ScheduledProgramsItem).size())));
    setAttribute(Qt::WA_DeleteOnClose);

    ListView1 = new QTreeWidget;
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(3);
    ListView1->setHeaderLabels({texts.text(TextId::ChannelName), texts.text(TextId::ProgramName), texts.text(TextId::StartTime)});
    ListView1->headerItem()->setTextAlignment(1, Qt::AlignCenter);
    ListView1->headerItem()->setTextAlignment(2, Qt::AlignCenter);
    // 1,680, 1,680 and 1,800 twips.
    ListView1->setColumnWidth(0, 112);
    ListView1->setColumnWidth(1, 112);
    ListView1->setColumnWidth(2, 120);
    ListView1->setMinimumWidth(380);
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (selectedIndex() >= 0)
            Q_EMIT runClicked(selectedIndex());
    });

    cmdRun = button("cmdRun", texts.text(TextId::Watch));
    cmdRun->setDefault(true);
    cmdModify = button("cmdModify", texts.text(TextId::Modify));
    cmdDelete = button("cmdDelete", QStringLiteral("&Delete"));
    cmdClose = button("cmdClose", texts.text(TextId::Close));
    const auto onSelected = [this](QPushButton* b, void (ScheduledListWindow::*signal)(int)) {
        connect(b, &QPushButton::clicked, this, [this, signal] {
            if (selectedIndex() >= 0)
                Q_EMIT(this->*signal)(selectedIndex());
        });
    };
    onSelected(cmdRun, &ScheduledListWindow::runClicked);
    onSelected(cmdModify, &ScheduledListWindow::modifyClicked);
    onSelected(cmdDelete, &ScheduledListWindow::deleteClicked);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close); // Escape too, as the cancel button

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdRun);
    buttons->addWidget(cmdModify);
    buttons->addWidget(cmdDelete);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListView1);
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
    ListView1->clear();
    for (int i = 0; i < programs.size(); ++i) {
        auto* row = new QTreeWidgetItem(ListView1,
            {programs[i].channelName.trimmed(), programs[i].programName.trimmed(), startText(programs[i].startTime)});
        row->setData(0, Qt::UserRole, QStringLiteral("S%1").arg(i));
        row->setTextAlignment(1, Qt::AlignCenter);
        row->setTextAlignment(2, Qt::AlignCenter);
    }
}

int ScheduledListWindow::selectedIndex() const
{
    const QTreeWidgetItem* row = ListView1->currentItem();
    return row && row->isSelected() ? ListView1->indexOfTopLevelItem(const_cast<QTreeWidgetItem*>(row)) : -1;
}
