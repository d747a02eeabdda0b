#include "favorites/PlaylistSourceDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PlaylistSourceDialog::PlaylistSourceDialog(QWidget* owner, ChromeState state, std::function<QString()> browse)
    : ChromeDialog(owner, Frame::Titled, state), m_browse(std::move(browse))
{
    setObjectName(QStringLiteral("frmPlaylistSource"));
    setWindowTitle(QStringLiteral("Import Playlist"));
    auto* caption
        = new QLabel(QStringLiteral("A playlist (M3U or M3U8) on this computer, or its web address:"));
    sourceEdit = new QLineEdit;
    sourceEdit->setObjectName(QStringLiteral("txtPlaylistSource"));
    sourceEdit->setMinimumWidth(360);
    caption->setBuddy(sourceEdit);
    browseButton = new QPushButton(QStringLiteral("Browse..."));
    browseButton->setObjectName(QStringLiteral("cmdBrowsePlaylist"));
    okButton = new QPushButton(QStringLiteral("OK"));
    okButton->setObjectName(QStringLiteral("cmdImportPlaylist"));
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Cancel"));
    cancelButton->setObjectName(QStringLiteral("cmdCancelPlaylist"));

    auto* sourceRow = new QHBoxLayout;
    sourceRow->addWidget(sourceEdit, 1);
    sourceRow->addWidget(browseButton);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addLayout(sourceRow);
    layout->addLayout(buttons);

    connect(browseButton, &QPushButton::clicked, this, [this] {
        const QString file = m_browse ? m_browse() : QString();
        if (!file.isEmpty())
            sourceEdit->setText(file);
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

PlaylistSourceDialog::~PlaylistSourceDialog() = default;

QString PlaylistSourceDialog::ask()
{
    return exec() == QDialog::Accepted ? sourceEdit->text().trimmed() : QString();
}
