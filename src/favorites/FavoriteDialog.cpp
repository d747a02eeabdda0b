#include "favorites/FavoriteDialog.h"

#include "ui/LanguageTexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

template <typename W> W* named(const char* name, W* widget)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

} // namespace

FavoriteDialog::FavoriteDialog(QWidget* owner, ChromeState state, const LanguageTexts& t, Actions actions)
    : ChromeDialog(owner, Frame::Plain, state)
{
    setObjectName(QStringLiteral("frmAddModifyFavorite"));
    Frame1 = named("Frame1", new QGroupBox(t.text(91)));
    Label1 = named("Label1", new QLabel(t.text(92)));
    Label2 = named("Label2", new QLabel(t.text(93)));
    Label3 = named("Label3", new QLabel(t.text(99)));
    Text1 = named("Text1", new QLineEdit);
    Text2 = named("Text2", new QLineEdit);
    Text3 = named("Text3", new QLineEdit);
    Text1->setMinimumWidth(280);
    auto* fields = new QGridLayout(Frame1);
    fields->addWidget(Label1, 0, 0);
    fields->addWidget(Text1, 0, 1);
    fields->addWidget(Label2, 1, 0);
    fields->addWidget(Text2, 1, 1);
    fields->addWidget(Label3, 2, 0);
    fields->addWidget(Text3, 2, 1);

    Frame2 = named("Frame2", new QGroupBox(t.text(94)));
    Option1 = named("Option1", new QRadioButton(QStringLiteral("WMP")));
    Option2 = named("Option2", new QRadioButton(QStringLiteral("Real One")));
    Option3 = named("Option3", new QRadioButton(QStringLiteral("Winamp")));
    Option4 = named("Option4", new QRadioButton(QStringLiteral("Quick Time")));
    auto* players = new QVBoxLayout(Frame2);
    const std::pair<QRadioButton*, std::uint8_t> operators[]
        = {{Option1, 1}, {Option2, 0}, {Option3, 2}, {Option4, 3}};
    for (const auto& [button, op] : operators) {
        players->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, op = op] { m_operator = op; });
    }

    Frame3 = named("Frame3", new QGroupBox(t.text(95)));
    Option5 = named("Option5", new QRadioButton(t.text(96)));
    Option6 = named("Option6", new QRadioButton(t.text(97)));
    Option7 = named("Option7", new QRadioButton(t.text(98)));
    auto* kinds = new QVBoxLayout(Frame3);
    const std::pair<QRadioButton*, std::uint8_t> kindButtons[] = {{Option5, 1}, {Option6, 0}, {Option7, 2}};
    for (const auto& [button, kind] : kindButtons) {
        kinds->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, kind = kind] { m_kind = kind; });
    }
    Option1->setChecked(true);
    Option5->setChecked(true);

    cmdClose = named("cmdClose", new QPushButton(t.text(100)));
    cmdAdd = named("cmdAdd", new QPushButton(t.text(101)));
    cmdModify = named("cmdModify", new QPushButton(t.text(102)));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdAdd, &QPushButton::clicked, this, [add = actions.add] { add(); });
    connect(cmdModify, &QPushButton::clicked, this, [modify = actions.modify] { modify(); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(Frame2);
    choices->addWidget(Frame3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdAdd);
    buttons->addWidget(cmdModify);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(Frame1);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    Text2->installEventFilter(this);
    Text3->installEventFilter(this);
}

FavoriteDialog::~FavoriteDialog() = default;

void FavoriteDialog::setAddMode(const QString& caption)
{
    setWindowTitle(caption);
    cmdAdd->setEnabled(true);
    cmdModify->setEnabled(false);
    m_favoriteIndex = -1;
}

void FavoriteDialog::setModifyMode(const QString& caption, int favoriteIndex)
{
    setWindowTitle(caption);
    cmdAdd->setEnabled(false);
    cmdModify->setEnabled(true);
    m_favoriteIndex = favoriteIndex;
}

void FavoriteDialog::selectOperator(std::uint8_t op)
{
    m_operator = op;
    QRadioButton* buttons[] = {Option2, Option1, Option3, Option4}; // operators 0 to 3
    if (op <= 3)
        buttons[op]->setChecked(true);
}

void FavoriteDialog::selectKind(std::uint8_t kind)
{
    m_kind = kind;
    QRadioButton* buttons[] = {Option6, Option5, Option7}; // kinds 0 to 2
    if (kind <= 2)
        buttons[kind]->setChecked(true);
}

bool FavoriteDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The information stays on one line; the address box takes no Control key alone.
        if (watched == Text3 && (key == Qt::Key_Return || key == Qt::Key_Enter))
            return true;
        if (watched == Text2 && key == Qt::Key_Control)
            return true;
    }
    return ChromeDialog::eventFilter(watched, event);
}

void FavoriteDialog::showEvent(QShowEvent* event)
{
    ChromeDialog::showEvent(event);
    Text1->setFocus();
}
