#pragma once

#include "ui/ChromeDialog.h"

#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// `AboutUs`: the program's picture, the vendor's notice and links to its site and mail.
class AboutWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AboutWindow)
public:
    // `open` hands an address to the desktop ("Open").
    AboutWindow(QWidget* owner, ChromeState state, std::function<void(const QUrl&)> open);
    ~AboutWindow() override;

    static const char* const kSite;
    static const char* const kInfoMail;
    static const char* const kSupportMail;

    QLabel* iconLabel;
    QLabel* noticeLabel;
    QLabel* siteLink;
    QLabel* infoMailLink;
    QLabel* supportMailLink;
    QLabel* programmerCaption;
    QLabel* contactCaption;
    QLabel* siteCaption;
    QPushButton* okButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void layOut();
    void highlight(QLabel* link);
    void openLink(QLabel* link);

    std::function<void(const QUrl&)> m_open;
};
