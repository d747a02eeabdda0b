#include "timer/TurnOffDialog.h"

#include "state/LanguageTexts.h"
#include "ui/NumberField.h"
#include "state/TextId.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

TurnOffDialog::TurnOffDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts, bool running)
    : ChromeDialog(owner, Frame::Titled, state)
{
    setObjectName(QStringLiteral("Time"));
    setWindowTitle(texts.text(TextId::TurnOffTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    Frame1 = new QGroupBox(texts.text(TextId::TurnOffComputer));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new QRadioButton(texts.text(TextId::AfterAPeriod));
    Option1->setObjectName(QStringLiteral("Option1"));
    Option2 = new QRadioButton(texts.text(TextId::AtATime));
    Option2->setObjectName(QStringLiteral("Option2"));
    static const char* const afterNames[6] = {"txtHoursAfter", "VScroll1", "txtMinutesAfter", "VScroll2", "txtSecondsAfter", "VScroll3"};
    static const char* const atNames[6] = {"txtHourAt", "VScroll4", "txtMinuteAt", "VScroll5", "txtSecondAt", "VScroll6"};
    static const int afterMinimums[3] = {0, 0, 1};
    static const int atMinimums[3] = {0, 0, 0};
    NumberField** after[3] = {&hoursAfter, &minutesAfter, &secondsAfter};
    NumberField** at[3] = {&hourAt, &minuteAt, &secondAt};
    Frame2 = fields("Frame2", texts.text(TextId::Period), texts, TextId::Hours, afterNames, afterMinimums, after);
    Frame3 = fields("Frame3", texts.text(TextId::TimeOfDay), texts, TextId::Hour, atNames, atMinimums, at);
    secondsAfter->setValue(59);
    Frame3->setEnabled(false);
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::toggled, this, [this](bool countdown) {
        Frame2->setEnabled(countdown);
        Frame3->setEnabled(!countdown);
    });
    auto* settings = new QVBoxLayout(Frame1);
    settings->addWidget(Option1);
    settings->addWidget(Frame2);
    settings->addWidget(Option2);
    settings->addWidget(Frame3);

    cmdCancel = new QPushButton(texts.text(TextId::TimerCancel));
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdSet = new QPushButton(texts.text(TextId::Set));
    cmdSet->setObjectName(QStringLiteral("cmdSet"));
    cmdStop = new QPushButton(texts.text(TextId::Stop));
    cmdStop->setObjectName(QStringLiteral("cmdStop"));
    connect(cmdCancel, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdSet, &QPushButton::clicked, this, &TurnOffDialog::setClicked);
    connect(cmdStop, &QPushButton::clicked, this, &TurnOffDialog::stopClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSet);
    buttons->addWidget(cmdStop);
    buttons->addStretch();
    buttons->addWidget(cmdCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);
    addDragHandle(Frame1);
    showRunning(running);
}

TurnOffDialog::~TurnOffDialog() = default;

QGroupBox* TurnOffDialog::fields(const char* name, const QString& title, const LanguageTexts& texts,
    TextId firstLabelText, const char* const names[6], const int minimums[3], NumberField** out[3])
{
    auto* group = new QGroupBox(title);
    group->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(group);
    const int maximums[3] = {23, 59, 59};
    for (int i = 0; i < 3; ++i) {
        *out[i] = NumberField::make(names[2 * i], names[2 * i + 1], minimums[i], maximums[i], QStringLiteral("0"), this);
        grid->addWidget(new QLabel(texts.text(static_cast<int>(firstLabelText) + i)), 0, i);
        grid->addLayout((*out[i])->row(), 1, i);
    }
    return group;
}

void TurnOffDialog::showRunning(bool running)
{
    Frame1->setEnabled(!running);
    cmdSet->setEnabled(!running);
    cmdStop->setEnabled(running);
    if (!running)
        Option1->setChecked(true);
}
