#include "guide/GuideWindow.h"

#include "guide/GuideTexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int kProgrammeRole = Qt::UserRole + 1; // the programme's index in the table
constexpr int kDays = 7;

// A small bell for a programme already scheduled.
QIcon bellIcon(const QColor& colour)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath bell;
    bell.moveTo(3, 12);
    bell.cubicTo(4, 11, 4, 9, 4, 7);
    bell.cubicTo(4, 4, 6, 2.5, 8, 2.5);
    bell.cubicTo(10, 2.5, 12, 4, 12, 7);
    bell.cubicTo(12, 9, 12, 11, 13, 12);
    bell.closeSubpath();
    painter.drawPath(bell);
    painter.drawEllipse(QPointF(8, 13.5), 1.6, 1.6);
    return QIcon(picture);
}

} // namespace

GuideWindow::GuideWindow(QWidget* parent)
    : QDialog(parent),
      captionLabel(new QLabel),
      programmesView(new QTreeWidget),
      descriptionView(new QTextBrowser),
      remindButton(new QPushButton(QStringLiteral("&Remind me"))),
      closeButton(new QPushButton(QStringLiteral("&Close")))
{
    setObjectName(QStringLiteral("GuideWindow"));
    setWindowTitle(QStringLiteral("Program Guide"));
    captionLabel->setObjectName(QStringLiteral("GuideChannel"));
    programmesView->setObjectName(QStringLiteral("GuideProgrammes"));
    descriptionView->setObjectName(QStringLiteral("GuideDescription"));
    remindButton->setObjectName(QStringLiteral("GuideRemindMe"));
    closeButton->setObjectName(QStringLiteral("GuideClose"));
    remindButton->setToolTip(QStringLiteral("Schedule this programme: you are reminded before it starts"));

    programmesView->setColumnCount(2);
    programmesView->setHeaderLabels({QStringLiteral("Time"), QStringLiteral("Programme")});
    programmesView->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    programmesView->setRootIsDecorated(true);
    programmesView->setUniformRowHeights(true);
    descriptionView->setOpenLinks(false);
    descriptionView->setMinimumHeight(90);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(remindButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(captionLabel);
    layout->addWidget(programmesView, 3);
    layout->addWidget(descriptionView, 1);
    layout->addLayout(buttons);
    resize(560, 560);

    connect(
        programmesView, &QTreeWidget::currentItemChanged, this, [this] { describe(selectedProgramme()); });
    connect(remindButton, &QPushButton::clicked, this, [this] {
        if (const GuideTable::Programme* programme = selectedProgramme())
            Q_EMIT remindRequested(programme);
    });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
}

void GuideWindow::fill(const QString& channelName, std::shared_ptr<const GuideTable> table, int channel,
    qint64 nowUtc, IsScheduled scheduled)
{
    m_table = std::move(table);
    m_scheduled = std::move(scheduled);
    captionLabel->setText(channelName);
    setWindowTitle(QStringLiteral("Program Guide - ") + channelName);
    programmesView->clear();
    const QDateTime today = QDateTime(GuideTexts::local(nowUtc).date(), QTime(0, 0));
    const QVector<const GuideTable::Programme*> week
        = m_table->between(channel, today.toSecsSinceEpoch(), today.addDays(kDays).toSecsSinceEpoch());
    const QLocale english(QLocale::English);
    QTreeWidgetItem* day = nullptr;
    QDate dayShown;
    QTreeWidgetItem* onNow = nullptr;
    for (const GuideTable::Programme* p : week) {
        const QDate date = GuideTexts::local(p->start).date();
        if (!day || date != dayShown) {
            dayShown = date;
            day = new QTreeWidgetItem(
                programmesView, {english.toString(date, QStringLiteral("dddd d MMMM"))});
            day->setFirstColumnSpanned(true);
            day->setFlags(Qt::ItemIsEnabled);
            day->setExpanded(true);
        }
        QString title = m_table->text(p->title);
        if (p->subTitle.length)
            title += QStringLiteral(" \u2013 ") + m_table->text(p->subTitle);
        auto* item = new QTreeWidgetItem(day, {GuideTexts::clock(p->start), title});
        item->setData(0, kProgrammeRole, static_cast<qlonglong>(p - m_table->programmes().constData()));
        if (p->start <= nowUtc && nowUtc < p->stop) {
            QFont bold = item->font(1);
            bold.setBold(true);
            item->setFont(0, bold);
            item->setFont(1, bold);
            item->setText(0, QStringLiteral("\u25B6 ") + item->text(0));
            item->setToolTip(1, QStringLiteral("On now"));
            onNow = item;
        }
    }
    for (int i = 0; i < programmesView->topLevelItemCount(); ++i)
        programmesView->topLevelItem(i)->setExpanded(true);
    refreshBells();
    QTreeWidgetItem* first = onNow ? onNow : (day ? programmesView->topLevelItem(0)->child(0) : nullptr);
    if (first) {
        programmesView->setCurrentItem(first);
        programmesView->scrollToItem(first, QAbstractItemView::PositionAtTop);
    }
    remindButton->setEnabled(first != nullptr);
    describe(selectedProgramme());
}

void GuideWindow::refreshBells()
{
    const QIcon bell = bellIcon(palette().color(QPalette::Highlight));
    for (int d = 0; d < programmesView->topLevelItemCount(); ++d) {
        QTreeWidgetItem* day = programmesView->topLevelItem(d);
        for (int i = 0; i < day->childCount(); ++i) {
            QTreeWidgetItem* item = day->child(i);
            const GuideTable::Programme& p
                = m_table->programmes()[item->data(0, kProgrammeRole).toLongLong()];
            const bool scheduled = m_scheduled && m_scheduled(p);
            item->setIcon(1, scheduled ? bell : QIcon());
            item->setData(
                1, Qt::AccessibleDescriptionRole, scheduled ? QStringLiteral("scheduled") : QString());
        }
    }
}

const GuideTable::Programme* GuideWindow::selectedProgramme() const
{
    const QTreeWidgetItem* item = programmesView->currentItem();
    if (!item || !m_table || !item->data(0, kProgrammeRole).isValid())
        return nullptr;
    return &m_table->programmes()[item->data(0, kProgrammeRole).toLongLong()];
}

QTreeWidgetItem* GuideWindow::itemOf(const GuideTable::Programme* programme) const
{
    for (int d = 0; d < programmesView->topLevelItemCount(); ++d) {
        QTreeWidgetItem* day = programmesView->topLevelItem(d);
        for (int i = 0; i < day->childCount(); ++i) {
            if (&m_table->programmes()[day->child(i)->data(0, kProgrammeRole).toLongLong()] == programme)
                return day->child(i);
        }
    }
    return nullptr;
}

bool GuideWindow::selectStartingAt(qint64 utc)
{
    if (!m_table)
        return false;
    for (const GuideTable::Programme& p : m_table->programmes()) {
        if (p.start == utc) {
            if (QTreeWidgetItem* item = itemOf(&p)) {
                programmesView->setCurrentItem(item);
                return true;
            }
        }
    }
    return false;
}

void GuideWindow::describe(const GuideTable::Programme* programme)
{
    remindButton->setEnabled(programme != nullptr);
    if (!programme) {
        descriptionView->clear();
        return;
    }
    const QLocale english(QLocale::English);
    QString html = QStringLiteral("<b>%1</b>").arg(m_table->text(programme->title).toHtmlEscaped());
    if (programme->subTitle.length)
        html += QStringLiteral("<br><i>%1</i>").arg(m_table->text(programme->subTitle).toHtmlEscaped());
    html += QStringLiteral("<br>%1, %2")
                .arg(english.toString(
                         GuideTexts::local(programme->start).date(), QStringLiteral("dddd d MMMM")),
                    GuideTexts::span(*m_table, *programme).section(QLatin1Char(' '), 0, 0));
    if (programme->category.length)
        html += QStringLiteral(" \u00B7 %1").arg(m_table->text(programme->category).toHtmlEscaped());
    if (programme->description.length)
        html += QStringLiteral("<p>%1</p>").arg(m_table->text(programme->description).toHtmlEscaped());
    descriptionView->setHtml(html);
}
