#include "options/OptionsDialog.h"

#include "base/Numbers.h"
#include "state/LanguageTexts.h"
#include "state/Settings.h"
#include "state/TextId.h"
#include "ui/NumberField.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

QScrollBar* spinner(const char* name, int minimum, int maximum)
{
    QScrollBar* bar = NumberField::newSpinner(name);
    bar->setRange(minimum, maximum);
    return bar;
}

QCheckBox* check(const char* name, const QString& text)
{
    auto* c = new QCheckBox(text);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

bool isOn(const Settings& settings, int line, const char* prefix)
{
    return settings.lineEquals(line, QString::fromLatin1(prefix) + QLatin1Char('1'));
}

int numberAfterPrefix(const Settings& settings, int line, int position)
{
    return static_cast<int>(leadingNumber(settings.valueFrom(line, position)));
}

} // namespace

OptionsDialog::OptionsDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts,
    const QString& dialogTitle, const QString& advancedTitle)
    : ChromeDialog(owner, Frame::Titled, state)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(dialogTitle);
    build(texts, advancedTitle);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::build(const LanguageTexts& t, const QString& advancedTitle)
{
    historyBox = new QGroupBox(t.text(TextId::HistoryList));
    historyBox->setObjectName(QStringLiteral("Frame1"));
    historyLengthEdit = NumberField::newBox("Text1", QStringLiteral("0"));
    history = new NumberField(historyLengthEdit, spinner("VScroll1", 0, 15), 0, 15, this);
    clearHistoryButton = new QPushButton(t.text(TextId::ClearHistory));
    clearHistoryButton->setObjectName(QStringLiteral("Command1"));
    connect(clearHistoryButton, &QPushButton::clicked, this, [this] {
        clearHistoryButton->setEnabled(false);
        Q_EMIT clearHistoryClicked();
    });
    auto* historyRow = NumberField::besideEachOther(historyLengthEdit, history->spinner());
    historyRow->addWidget(clearHistoryButton);
    historyBox->setLayout(historyRow);

    internetBox = new QGroupBox(advancedTitle);
    internetBox->setObjectName(QStringLiteral("Frame2"));
    updateListsCheck = check("chkUpdateChannel", t.text(TextId::UpdateChannels));
    minimizeOnCloseCheck = check("chkMinimizeWhenClose", t.text(TextId::MinimizeOnClose));
    tellNewVersionCheck = check("chkTellNewVersion", t.text(TextId::TellNewVersion));
    auto* advanced = new QVBoxLayout(internetBox);
    for (QCheckBox* c : {updateListsCheck, minimizeOnCloseCheck, tellNewVersionCheck})
        advanced->addWidget(c);

    remindersBox = new QGroupBox(t.text(TextId::ScheduledProgramsGroup));
    remindersBox->setObjectName(QStringLiteral("Frame3"));
    remindMeCheck = check("chkRemindMe", t.text(TextId::RemindMe));
    connect(remindMeCheck, &QCheckBox::toggled, this, [this] { enableReminder(); });
    remindBeforeEdit = NumberField::newBox("txtBeforeStart", QStringLiteral("5"));
    remindBeforeSpinner = spinner("VScroll3", 1, 20);
    remindEveryEdit = NumberField::newBox("txtRemindEvery", QStringLiteral("1"));
    remindEverySpinner = spinner("VScroll2", 1, 5);
    for (QLineEdit* edit : {remindBeforeEdit, remindEveryEdit})
        edit->installEventFilter(this);
    connect(remindBeforeEdit, &QLineEdit::textChanged, this, &OptionsDialog::beforeStartChanged);
    connect(remindEveryEdit, &QLineEdit::textChanged, this, &OptionsDialog::remindEveryChanged);
    connect(remindBeforeSpinner, &QScrollBar::valueChanged, this, &OptionsDialog::beforeStartSpun);
    connect(remindEverySpinner, &QScrollBar::valueChanged, this, &OptionsDialog::remindEverySpun);
    auto* reminder = new QGridLayout(remindersBox);
    reminder->addWidget(remindMeCheck, 0, 0, 1, 3);
    reminder->addWidget(new QLabel(t.text(TextId::RemindBeforeStart)), 1, 0);
    reminder->addLayout(NumberField::besideEachOther(remindBeforeEdit, remindBeforeSpinner), 1, 1);
    reminder->addWidget(new QLabel(t.text(TextId::Minutes)), 1, 2);
    reminder->addWidget(new QLabel(t.text(TextId::RemindEvery)), 2, 0);
    reminder->addLayout(NumberField::besideEachOther(remindEveryEdit, remindEverySpinner), 2, 1);
    reminder->addWidget(new QLabel(t.text(TextId::Minutes)), 2, 2);

    okButton = new QPushButton(t.text(TextId::Ok));
    okButton->setObjectName(QStringLiteral("Command3"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(t.text(TextId::Cancel));
    cancelButton->setObjectName(QStringLiteral("Command2"));
    connect(okButton, &QPushButton::clicked, this, [this] {
        Q_EMIT confirmed();
        accept();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(historyBox);
    layout->addWidget(internetBox);
    layout->addWidget(remindersBox);
    layout->addLayout(buttons);
    enableReminder();
}

void OptionsDialog::load(const Settings& settings)
{
    history->setValue(numberAfterPrefix(settings, Settings::RecentCount, 5));
    updateListsCheck->setChecked(isOn(settings, Settings::UpdateChannels, "updatechannel="));
    minimizeOnCloseCheck->setChecked(isOn(settings, Settings::MinimizeOnClose, "minimizeclose="));
    remindMeCheck->setChecked(isOn(settings, Settings::RemindMe, "remindme="));
    tellNewVersionCheck->setChecked(isOn(settings, Settings::TellNewVersion, "tellnewversion="));
    enableReminder();
    int before = numberAfterPrefix(settings, Settings::BeforeStartBy, 15);
    if (before < 1 || before > 20)
        before = 1;
    int every = numberAfterPrefix(settings, Settings::RemindMeEvery, 15);
    if (every < 1 || every > before)
        every = 1;
    const QSignalBlocker blockEvery(remindEveryEdit);
    remindBeforeEdit->setText(QString::number(before));
    remindEveryEdit->setText(QString::number(every));
    const QSignalBlocker blockSpinner(remindEverySpinner);
    remindEverySpinner->setMaximum(before);
    remindEverySpinner->setValue(every);
}

void OptionsDialog::store(Settings& settings) const
{
    const auto flag = [](const QCheckBox* c) { return QLatin1Char(c->isChecked() ? '1' : '0'); };
    settings.setLine(Settings::RecentCount, QStringLiteral("mru=") + historyLengthEdit->text());
    settings.setLine(Settings::UpdateChannels, QStringLiteral("updatechannel=") + flag(updateListsCheck));
    settings.setLine(
        Settings::MinimizeOnClose, QStringLiteral("minimizeclose=") + flag(minimizeOnCloseCheck));
    settings.setLine(Settings::RemindMe, QStringLiteral("remindme=") + flag(remindMeCheck));
    settings.setLine(Settings::BeforeStartBy, QStringLiteral("beforestartby=") + remindBeforeEdit->text());
    settings.setLine(Settings::RemindMeEvery, QStringLiteral("remindmeevery=") + remindEveryEdit->text());
    settings.setLine(Settings::TellNewVersion, QStringLiteral("tellnewversion=") + flag(tellNewVersionCheck));
}

void OptionsDialog::enableReminder()
{
    for (QWidget* w : std::initializer_list<QWidget*> {
             remindBeforeSpinner, remindEverySpinner, remindEveryEdit, remindBeforeEdit})
        w->setEnabled(remindMeCheck->isChecked());
}

// An emptied box reads as 0 and so becomes 1 at once.
void OptionsDialog::beforeStartChanged(const QString& text)
{
    const double value = leadingNumber(text);
    if (value > 20) {
        remindBeforeEdit->setText(QStringLiteral("20"));
        return;
    }
    if (value < 1) {
        remindBeforeEdit->setText(QStringLiteral("1"));
        return;
    }
    remindBeforeSpinner->setValue(static_cast<int>(value));
}

void OptionsDialog::remindEveryChanged(const QString& text)
{
    const double value = leadingNumber(text);
    if (leadingNumber(remindBeforeEdit->text()) < value) {
        remindEveryEdit->setText(remindBeforeEdit->text());
        return;
    }
    if (value < 1) {
        remindEveryEdit->setText(QStringLiteral("1"));
        return;
    }
    remindEverySpinner->setValue(static_cast<int>(value));
}

// Reaching the top of its range (the minutes before start) wraps the interval to 1.
void OptionsDialog::remindEverySpun(int minutes)
{
    if (minutes >= remindEverySpinner->maximum() && remindEverySpinner->maximum() > 1) {
        remindEverySpinner->setValue(1);
        return;
    }
    const QSignalBlocker block(remindEveryEdit);
    remindEveryEdit->setText(QString::number(minutes));
}

void OptionsDialog::beforeStartSpun(int minutes)
{
    if (minutes < remindEverySpinner->value()) {
        const QSignalBlocker block(remindEverySpinner);
        remindEverySpinner->setValue(minutes);
        const QSignalBlocker blockText(remindEveryEdit);
        remindEveryEdit->setText(QString::number(minutes));
    }
    const QSignalBlocker block(remindEverySpinner);
    remindEverySpinner->setMaximum(minutes);
    const QSignalBlocker blockText(remindBeforeEdit);
    remindBeforeEdit->setText(QString::number(minutes));
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == remindBeforeEdit || watched == remindEveryEdit)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool digit = key->text().size() == 1 && key->text()[0] >= u'0' && key->text()[0] <= u'9';
        const bool kept = digit || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab
            || key->key() == Qt::Key_Backtab;
        return !kept;
    }
    return ChromeDialog::eventFilter(watched, event);
}
