#include "timer/TurnOffDialog.h"

#include "state/LanguageTexts.h"
#include "state/TextId.h"
#include "ui/NumberField.h"

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

    whenBox = new QGroupBox(texts.text(TextId::TurnOffComputer));
    whenBox->setObjectName(QStringLiteral("Frame1"));
    afterOption = new QRadioButton(texts.text(TextId::AfterAPeriod));
    afterOption->setObjectName(QStringLiteral("Option1"));
    atOption = new QRadioButton(texts.text(TextId::AtATime));
    atOption->setObjectName(QStringLiteral("Option2"));
    static const char* const afterNames[6]
        = {"txtHoursAfter", "VScroll1", "txtMinutesAfter", "VScroll2", "txtSecondsAfter", "VScroll3"};
    static const char* const atNames[6]
        = {"txtHourAt", "VScroll4", "txtMinuteAt", "VScroll5", "txtSecondAt", "VScroll6"};
    static const int afterMinimums[3] = {0, 0, 1};
    static const int atMinimums[3] = {0, 0, 0};
    NumberField** after[3] = {&hoursAfter, &minutesAfter, &secondsAfter};
    NumberField** at[3] = {&hourAt, &minuteAt, &secondAt};
    afterBox = fields(
        "Frame2", texts.text(TextId::Period), texts, TextId::Hours, afterNames, afterMinimums, after);
    atBox = fields("Frame3", texts.text(TextId::TimeOfDay), texts, TextId::Hour, atNames, atMinimums, at);
    secondsAfter->setValue(59);
    atBox->setEnabled(false);
    afterOption->setChecked(true);
    connect(afterOption, &QRadioButton::toggled, this, [this](bool countdown) {
        afterBox->setEnabled(countdown);
        atBox->setEnabled(!countdown);
    });
    auto* settings = new QVBoxLayout(whenBox);
    settings->addWidget(afterOption);
    settings->addWidget(afterBox);
    settings->addWidget(atOption);
    settings->addWidget(atBox);

    cancelButton = new QPushButton(texts.text(TextId::TimerCancel));
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    setButton = new QPushButton(texts.text(TextId::Set));
    setButton->setObjectName(QStringLiteral("cmdSet"));
    stopButton = new QPushButton(texts.text(TextId::Stop));
    stopButton->setObjectName(QStringLiteral("cmdStop"));
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(setButton, &QPushButton::clicked, this, &TurnOffDialog::setClicked);
    connect(stopButton, &QPushButton::clicked, this, &TurnOffDialog::stopClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(setButton);
    buttons->addWidget(stopButton);
    buttons->addStretch();
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(whenBox);
    layout->addLayout(buttons);
    addDragHandle(whenBox);
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
        *out[i] = NumberField::make(
            names[2 * i], names[2 * i + 1], minimums[i], maximums[i], QStringLiteral("0"), this);
        grid->addWidget(new QLabel(texts.text(static_cast<int>(firstLabelText) + i)), 0, i);
        grid->addLayout((*out[i])->row(), 1, i);
    }
    return group;
}

void TurnOffDialog::showRunning(bool running)
{
    whenBox->setEnabled(!running);
    setButton->setEnabled(!running);
    stopButton->setEnabled(running);
    if (!running)
        afterOption->setChecked(true);
}
