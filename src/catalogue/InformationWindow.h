#pragma once

#include "ui/ChromeDialog.h"

class LanguageTexts;
class QLabel;
class QPushButton;
struct ChannelRecord;

// `Information`: the name, category, bandwidth and description of a channel or favorite.
class InformationWindow final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(InformationWindow)
public:
    InformationWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts);
    ~InformationWindow() override;

    void setRecord(const ChannelRecord& record);

    QLabel* nameCaption;
    QLabel* bandwidthCaption;
    QLabel* categoryCaption;
    QLabel* infoCaption;
    QLabel* nameValue;
    QLabel* categoryValue;
    QLabel* bandwidthValue;
    QLabel* infoValue;
    QPushButton* okButton;
};
