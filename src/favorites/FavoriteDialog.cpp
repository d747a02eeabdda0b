#include "favorites/FavoriteDialog.h"

#include "state/LanguageTexts.h"
#include "state/TextId.h"

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
    favoriteBox = named("Frame1", new QGroupBox(t.text(TextId::FavoriteGroup)));
    nameLabel = named("Label1", new QLabel(t.text(TextId::NameField)));
    addressLabel = named("Label2", new QLabel(t.text(TextId::AddressField)));
    infoLabel = named("Label3", new QLabel(t.text(TextId::InformationField)));
    nameEdit = named("Text1", new QLineEdit);
    addressEdit = named("Text2", new QLineEdit);
    infoEdit = named("Text3", new QLineEdit);
    nameEdit->setMinimumWidth(280);
    auto* fields = new QGridLayout(favoriteBox);
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(nameEdit, 0, 1);
    fields->addWidget(addressLabel, 1, 0);
    fields->addWidget(addressEdit, 1, 1);
    fields->addWidget(infoLabel, 2, 0);
    fields->addWidget(infoEdit, 2, 1);

    playerBox = named("Frame2", new QGroupBox(t.text(TextId::Player)));
    windowsMediaOption = named("Option1", new QRadioButton(QStringLiteral("WMP")));
    realOneOption = named("Option2", new QRadioButton(QStringLiteral("Real One")));
    winampOption = named("Option3", new QRadioButton(QStringLiteral("Winamp")));
    quickTimeOption = named("Option4", new QRadioButton(QStringLiteral("Quick Time")));
    auto* players = new QVBoxLayout(playerBox);
    const std::pair<QRadioButton*, std::uint8_t> operators[]
        = {{windowsMediaOption, 1}, {realOneOption, 0}, {winampOption, 2}, {quickTimeOption, 3}};
    for (const auto& [button, op] : operators) {
        players->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, op = op] { m_operator = op; });
    }

    kindBox = named("Frame3", new QGroupBox(t.text(TextId::AddTo)));
    tvOption = named("Option5", new QRadioButton(t.text(TextId::Tv)));
    radioOption = named("Option6", new QRadioButton(t.text(TextId::Radio)));
    computerOption = named("Option7", new QRadioButton(t.text(TextId::MyComputer)));
    auto* kinds = new QVBoxLayout(kindBox);
    const std::pair<QRadioButton*, std::uint8_t> kindButtons[]
        = {{tvOption, 1}, {radioOption, 0}, {computerOption, 2}};
    for (const auto& [button, kind] : kindButtons) {
        kinds->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, kind = kind] { m_kind = kind; });
    }
    windowsMediaOption->setChecked(true);
    tvOption->setChecked(true);

    closeButton = named("cmdClose", new QPushButton(t.text(TextId::Close)));
    addButton = named("cmdAdd", new QPushButton(t.text(TextId::Add)));
    modifyButton = named("cmdModify", new QPushButton(t.text(TextId::Modify)));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    connect(addButton, &QPushButton::clicked, this, [add = actions.add] { add(); });
    connect(modifyButton, &QPushButton::clicked, this, [modify = actions.modify] { modify(); });

    auto* choices = new QHBoxLayout;
    choices->addWidget(playerBox);
    choices->addWidget(kindBox);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(addButton);
    buttons->addWidget(modifyButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->addWidget(favoriteBox);
    layout->addLayout(choices);
    layout->addLayout(buttons);
    addressEdit->installEventFilter(this);
    infoEdit->installEventFilter(this);
}

FavoriteDialog::~FavoriteDialog() = default;

void FavoriteDialog::setAddMode(const QString& caption)
{
    setWindowTitle(caption);
    addButton->setEnabled(true);
    modifyButton->setEnabled(false);
    m_favoriteIndex = -1;
}

void FavoriteDialog::setModifyMode(const QString& caption, int favoriteIndex)
{
    setWindowTitle(caption);
    addButton->setEnabled(false);
    modifyButton->setEnabled(true);
    m_favoriteIndex = favoriteIndex;
}

void FavoriteDialog::selectOperator(std::uint8_t op)
{
    m_operator = op;
    QRadioButton* buttons[]
        = {realOneOption, windowsMediaOption, winampOption, quickTimeOption}; // operators 0 to 3
    if (op <= 3)
        buttons[op]->setChecked(true);
}

void FavoriteDialog::selectKind(std::uint8_t kind)
{
    m_kind = kind;
    QRadioButton* buttons[] = {radioOption, tvOption, computerOption}; // kinds 0 to 2
    if (kind <= 2)
        buttons[kind]->setChecked(true);
}

bool FavoriteDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // The information stays on one line; the address box takes no Control key alone.
        if (watched == infoEdit && (key == Qt::Key_Return || key == Qt::Key_Enter))
            return true;
        if (watched == addressEdit && key == Qt::Key_Control)
            return true;
    }
    return ChromeDialog::eventFilter(watched, event);
}

void FavoriteDialog::showEvent(QShowEvent* event)
{
    ChromeDialog::showEvent(event);
    nameEdit->setFocus();
}
