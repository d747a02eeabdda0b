#pragma once

#include "ui/ChromeDialog.h"

#include <cstdint>
#include <functional>

class LanguageTexts;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// `frmAddModifyFavorite`: a favorite typed by hand, added or saved over an existing one.
class FavoriteDialog final : public ChromeDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FavoriteDialog)
public:
    struct Actions {
        std::function<void()> add;
        std::function<void()> modify;
    };

    FavoriteDialog(QWidget* owner, ChromeState state, const LanguageTexts& texts, Actions actions);
    ~FavoriteDialog() override;

    void setAddMode(const QString& caption);
    void setModifyMode(const QString& caption, int favoriteIndex);
    void selectOperator(std::uint8_t op);
    void selectKind(std::uint8_t kind);

    std::uint8_t selectedOperator() const { return m_operator; }
    std::uint8_t selectedKind() const { return m_kind; }
    int favoriteIndex() const { return m_favoriteIndex; }

    QGroupBox* Frame1;
    QGroupBox* Frame2;
    QGroupBox* Frame3;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QRadioButton* Option3;
    QRadioButton* Option4;
    QRadioButton* Option5;
    QRadioButton* Option6;
    QRadioButton* Option7;
    QPushButton* cmdClose;
    QPushButton* cmdAdd;
    QPushButton* cmdModify;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::uint8_t m_operator = 1;
    std::uint8_t m_kind = 1;
    int m_favoriteIndex = -1;
};
