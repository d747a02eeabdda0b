#include "options/OptionsDialog.h"

#include "base/Numbers.h"
#include "state/LanguageTexts.h"
#include "state/Settings.h"
#include "ui/NumberField.h"
#include "state/TextId.h"

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

OptionsDialog::OptionsDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts, const QString& dialogTitle,
    const QString& advancedTitle)
    : ChromeDialog(owner, Frame::Titled, state)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(dialogTitle);
    build(texts, advancedTitle);
}

OptionsDialog::~OptionsDialog() = default;

void OptionsDialog::build(const LanguageTexts& t, const QString& advancedTitle)
{
    Frame1 = new QGroupBox(t.text(TextId::HistoryList));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Text1 = NumberField::newBox("Text1", QStringLiteral("0"));
    history = new NumberField(Text1, spinner("VScroll1", 0, 15), 0, 15, this);
    Command1 = new QPushButton(t.text(TextId::ClearHistory));
    Command1->setObjectName(QStringLiteral("Command1"));
    connect(Command1, &QPushButton::clicked, this, [this] {
        Command1->setEnabled(false);
        Q_EMIT clearHistoryClicked();
    });
    auto* historyRow = NumberField::besideEachOther(Text1, history->spinner());
    historyRow->addWidget(Command1);
    Frame1->setLayout(historyRow);

    Frame2 = new QGroupBox(advancedTitle);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    chkUpdateChannel = check("chkUpdateChannel", t.text(TextId::UpdateChannels));
    chkMinimizeWhenClose = check("chkMinimizeWhenClose", t.text(TextId::MinimizeOnClose));
    chkTellNewVersion = check("chkTellNewVersion", t.text(TextId::TellNewVersion));
    auto* advanced = new QVBoxLayout(Frame2);
    for (QCheckBox* c : {chkUpdateChannel, chkMinimizeWhenClose, chkTellNewVersion})
        advanced->addWidget(c);

    Frame3 = new QGroupBox(t.text(TextId::ScheduledProgramsGroup));
    Frame3->setObjectName(QStringLiteral("Frame3"));
    chkRemindMe = check("chkRemindMe", t.text(TextId::RemindMe));
    connect(chkRemindMe, &QCheckBox::toggled, this, [this] { enableReminder(); });
    txtBeforeStart = NumberField::newBox("txtBeforeStart", QStringLiteral("5"));
    VScroll3 = spinner("VScroll3", 1, 20);
    txtRemindEvery = NumberField::newBox("txtRemindEvery", QStringLiteral("1"));
    VScroll2 = spinner("VScroll2", 1, 5);
    for (QLineEdit* edit : {txtBeforeStart, txtRemindEvery})
        edit->installEventFilter(this);
    connect(txtBeforeStart, &QLineEdit::textChanged, this, &OptionsDialog::beforeStartChanged);
    connect(txtRemindEvery, &QLineEdit::textChanged, this, &OptionsDialog::remindEveryChanged);
    connect(VScroll3, &QScrollBar::valueChanged, this, &OptionsDialog::beforeStartSpun);
    connect(VScroll2, &QScrollBar::valueChanged, this, &OptionsDialog::remindEverySpun);
    auto* reminder = new QGridLayout(Frame3);
    reminder->addWidget(chkRemindMe, 0, 0, 1, 3);
    reminder->addWidget(new QLabel(t.text(TextId::RemindBeforeStart)), 1, 0);
    reminder->addLayout(NumberField::besideEachOther(txtBeforeStart, VScroll3), 1, 1);
    reminder->addWidget(new QLabel(t.text(TextId::Minutes)), 1, 2);
    reminder->addWidget(new QLabel(t.text(TextId::RemindEvery)), 2, 0);
    reminder->addLayout(NumberField::besideEachOther(txtRemindEvery, VScroll2), 2, 1);
    reminder->addWidget(new QLabel(t.text(TextId::Minutes)), 2, 2);

    Command3 = new QPushButton(t.text(TextId::Ok));
    Command3->setObjectName(QStringLiteral("Command3"));
    Command3->setDefault(true);
    Command2 = new QPushButton(t.text(TextId::Cancel));
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command3, &QPushButton::clicked, this, [this] {
        Q_EMIT confirmed();
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command3);
    buttons->addWidget(Command2);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Frame3);
    layout->addLayout(buttons);
    enableReminder();
}

void OptionsDialog::load(const Settings& settings)
{
    history->setValue(numberAfterPrefix(settings, Settings::RecentCount, 5));
    chkUpdateChannel->setChecked(isOn(settings, Settings::UpdateChannels, "updatechannel="));
    chkMinimizeWhenClose->setChecked(isOn(settings, Settings::MinimizeOnClose, "minimizeclose="));
    chkRemindMe->setChecked(isOn(settings, Settings::RemindMe, "remindme="));
    chkTellNewVersion->setChecked(isOn(settings, Settings::TellNewVersion, "tellnewversion="));
    enableReminder();
    int before = numberAfterPrefix(settings, Settings::BeforeStartBy, 15);
    if (before < 1 || before > 20)
        before = 1;
    int every = numberAfterPrefix(settings, Settings::RemindMeEvery, 15);
    if (every < 1 || every > before)
        every = 1;
    const QSignalBlocker blockEvery(txtRemindEvery);
    txtBeforeStart->setText(QString::number(before));
    txtRemindEvery->setText(QString::number(every));
    const QSignalBlocker blockSpinner(VScroll2);
    VScroll2->setMaximum(before);
    VScroll2->setValue(every);
}

void OptionsDialog::store(Settings& settings) const
{
    const auto flag = [](const QCheckBox* c) { return QLatin1Char(c->isChecked() ? '1' : '0'); };
    settings.setLine(Settings::RecentCount, QStringLiteral("mru=") + Text1->text());
    settings.setLine(Settings::UpdateChannels, QStringLiteral("updatechannel=") + flag(chkUpdateChannel));
    settings.setLine(Settings::MinimizeOnClose, QStringLiteral("minimizeclose=") + flag(chkMinimizeWhenClose));
    settings.setLine(Settings::RemindMe, QStringLiteral("remindme=") + flag(chkRemindMe));
    settings.setLine(Settings::BeforeStartBy, QStringLiteral("beforestartby=") + txtBeforeStart->text());
    settings.setLine(Settings::RemindMeEvery, QStringLiteral("remindmeevery=") + txtRemindEvery->text());
    settings.setLine(Settings::TellNewVersion, QStringLiteral("tellnewversion=") + flag(chkTellNewVersion));
}

void OptionsDialog::enableReminder()
{
    for (QWidget* w : std::initializer_list<QWidget*> {VScroll3, VScroll2, txtRemindEvery, txtBeforeStart})
        w->setEnabled(chkRemindMe->isChecked());
}

// An emptied box reads as 0 and so becomes 1 at once.
void OptionsDialog::beforeStartChanged(const QString& text)
{
    const double value = leadingNumber(text);
    if (value > 20) {
        txtBeforeStart->setText(QStringLiteral("20"));
        return;
    }
    if (value < 1) {
        txtBeforeStart->setText(QStringLiteral("1"));
        return;
    }
    VScroll3->setValue(static_cast<int>(value));
}

void OptionsDialog::remindEveryChanged(const QString& text)
{
    const double value = leadingNumber(text);
    if (leadingNumber(txtBeforeStart->text()) < value) {
        txtRemindEvery->setText(txtBeforeStart->text());
        return;
    }
    if (value < 1) {
        txtRemindEvery->setText(QStringLiteral("1"));
        return;
    }
    VScroll2->setValue(static_cast<int>(value));
}

// Reaching the top of its range (the minutes before start) wraps the interval to 1.
void OptionsDialog::remindEverySpun(int minutes)
{
    if (minutes >= VScroll2->maximum() && VScroll2->maximum() > 1) {
        VScroll2->setValue(1);
        return;
    }
    const QSignalBlocker block(txtRemindEvery);
    txtRemindEvery->setText(QString::number(minutes));
}

void OptionsDialog::beforeStartSpun(int minutes)
{
    if (minutes < VScroll2->value()) {
        const QSignalBlocker block(VScroll2);
        VScroll2->setValue(minutes);
        const QSignalBlocker blockText(txtRemindEvery);
        txtRemindEvery->setText(QString::number(minutes));
    }
    const QSignalBlocker block(VScroll2);
    VScroll2->setMaximum(minutes);
    const QSignalBlocker blockText(txtBeforeStart);
    txtBeforeStart->setText(QString::number(minutes));
}

bool OptionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && (watched == txtBeforeStart || watched == txtRemindEvery)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool digit = key->text().size() == 1 && key->text()[0] >= u'0' && key->text()[0] <= u'9';
        const bool kept = digit || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab
            || key->key() == Qt::Key_Backtab;
        return !kept;
    }
    return ChromeDialog::eventFilter(watched, event);
}
