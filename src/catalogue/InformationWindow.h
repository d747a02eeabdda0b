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

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Ch_name;
    QLabel* Ch_Category;
    QLabel* Ch_Band;
    QLabel* Ch_Info;
    QPushButton* cmdOk;
};
