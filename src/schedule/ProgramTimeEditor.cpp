#include "schedule/ProgramTimeEditor.h"

#include "schedule/core/DayNumber.h"
#include "schedule/core/ScheduleFile.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"
#include "ui/NumberField.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

QLabel* caption(const char* name, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// A line the user types no more into than its field in the file holds; what is typed past
// that is left out whole, character by character.
QLineEdit* edit(const char* name, int storedBytes)
{
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    QObject::connect(box, &QLineEdit::textEdited, box, [box, storedBytes](const QString& text) {
        const QString fitting = ScheduleFile::fittingText(text, storedBytes);
        if (fitting.size() == text.size())
            return;
        const int cursor = std::min(box->cursorPosition(), static_cast<int>(fitting.size()));
        box->setText(fitting);
        box->setCursorPosition(cursor);
    });
    return box;
}

} // namespace

ProgramTimeEditor::ProgramTimeEditor(
    QWidget* owner, ChromeState state, const LanguageTexts& texts, const QDate& today)
    : ChromeDialog(owner, Frame::Titled, state), m_today(today)
{
    setObjectName(QStringLiteral("frmSetProgramTime"));
    setWindowTitle(texts.text(TextId::ScheduleTitle));
    build(texts);
    enableDate();
}

ProgramTimeEditor::~ProgramTimeEditor() = default;

void ProgramTimeEditor::build(const LanguageTexts& texts)
{
    programBox = new QGroupBox(texts.text(TextId::ProgramGroup));
    programBox->setObjectName(QStringLiteral("Frame1"));
    programNameEdit = edit("txtProgramName", ScheduleFile::kNameBytes);
    programNameEdit->setMinimumWidth(240);
    channelNameEdit = edit("txtChannelName", ScheduleFile::kChannelBytes);
    auto* names = new QGridLayout(programBox);
    names->addWidget(caption("Label1", texts.text(TextId::ProgramName)), 0, 0);
    names->addWidget(programNameEdit, 0, 1);
    names->addWidget(caption("Label2", texts.text(TextId::ChannelName)), 1, 0);
    names->addWidget(channelNameEdit, 1, 1);

    startBox = new QGroupBox(texts.text(TextId::StartTimeGroup));
    startBox->setObjectName(QStringLiteral("Frame2"));
    auto* times = new QGridLayout(startBox);
    struct Field {
        NumberField** field;
        const char *label, *box, *spinner;
        TextId text;
        int minimum, maximum, row, column;
    };
    const Field fields[] = {
        {&hours, "Label4", "txtHoursAt", "VScroll1", TextId::Hours, 0, 23, 0, 0},
        {&minutes, "Label5", "txtMinutesAt", "VScroll2", TextId::Minutes, 0, 59, 0, 1},
        {&seconds, "Label6", "txtSecondsAt", "VScroll3", TextId::Seconds, 0, 59, 0, 2},
        {&day, "Label7", "txtDayAt", "VScroll4", TextId::Day, 1, 31, 2, 0},
        {&month, "Label8", "txtMonthAt", "VScroll5", TextId::Month, 1, 12, 2, 1},
        {&year, "Label9", "txtYearAt", "VScroll6", TextId::Year, 2008, 2035, 2, 2},
    };
    for (const Field& f : fields) {
        *f.field = NumberField::make(f.box, f.spinner, f.minimum, f.maximum, QStringLiteral("0"), this);
        times->addWidget(caption(f.label, texts.text(f.text)), f.row, f.column);
        times->addLayout((*f.field)->row(), f.row + 1, f.column);
    }
    rangeYears(m_today.year());
    year->box()->clear();
    everyDayCheck = new QCheckBox(texts.text(TextId::EveryDay));
    everyDayCheck->setObjectName(QStringLiteral("chkEveryDay"));
    everyDayCheck->setChecked(true);
    connect(everyDayCheck, &QCheckBox::toggled, this, [this] { enableDate(); });
    times->addWidget(everyDayCheck, 4, 0, 1, 3);

    setButton = new QPushButton(texts.text(TextId::Set));
    setButton->setObjectName(QStringLiteral("cmdSet"));
    modifyButton = new QPushButton(texts.text(TextId::Modify));
    modifyButton->setObjectName(QStringLiteral("cmdModify"));
    closeButton = new QPushButton(texts.text(TextId::Close));
    closeButton->setObjectName(QStringLiteral("cmdClose"));
    connect(setButton, &QPushButton::clicked, this, &ProgramTimeEditor::setClicked);
    connect(modifyButton, &QPushButton::clicked, this, &ProgramTimeEditor::modifyClicked);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(setButton);
    buttons->addWidget(modifyButton);
    buttons->addWidget(closeButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(programBox);
    layout->addWidget(startBox);
    layout->addLayout(buttons);
}

void ProgramTimeEditor::enableDate()
{
    for (NumberField* field : {day, month, year}) {
        field->box()->setEnabled(!everyDayCheck->isChecked());
        field->spinner()->setEnabled(!everyDayCheck->isChecked());
    }
}

void ProgramTimeEditor::rangeYears(int stored)
{
    year->setRange(std::min(m_today.year(), stored), std::max(m_today.year() + 10, stored));
}

void ProgramTimeEditor::proposeNew(const QString& channelName)
{
    channelNameEdit->setText(channelName);
    day->setValue(m_today.day());
    month->setValue(m_today.month());
    year->setValue(m_today.year());
    modifyButton->setEnabled(false);
    setButton->setEnabled(true);
}

void ProgramTimeEditor::editExisting(
    int index, const QString& programName, const QString& channelName, double startTime)
{
    m_editedIndex = index;
    programNameEdit->setText(programName.trimmed());
    channelNameEdit->setText(channelName.trimmed());
    if (const std::optional<QDateTime> start = DayNumber::toDateTime(startTime)) {
        if (start->date().year() != 1899) {
            everyDayCheck->setChecked(false);
            rangeYears(start->date().year());
            year->setValue(start->date().year());
            month->setValue(start->date().month());
            day->setValue(start->date().day());
        }
        hours->setValue(start->time().hour());
        minutes->setValue(start->time().minute());
        seconds->setValue(start->time().second());
    }
    modifyButton->setEnabled(true);
    setButton->setEnabled(false);
}

std::optional<double> ProgramTimeEditor::startTime() const
{
    const auto h = hours->value(), m = minutes->value(), s = seconds->value();
    if (!h || !m || !s)
        return std::nullopt;
    const QTime time(*h, *m, *s);
    if (everyDayCheck->isChecked())
        return DayNumber::fromTime(time);
    const auto y = year->value(), mo = month->value(), d = day->value();
    if (!y || !mo || !d)
        return std::nullopt;
    // A day past the month's end carries into the next month: 31 April is 1 May.
    const QDate date = QDate(*y, *mo, 1).addDays(*d - 1);
    return DayNumber::fromDateTime(QDateTime(date, time));
}
