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

    QGroupBox* favoriteBox;
    QGroupBox* playerBox;
    QGroupBox* kindBox;
    QLabel* nameLabel;
    QLabel* addressLabel;
    QLabel* infoLabel;
    QLineEdit* nameEdit;
    QLineEdit* addressEdit;
    QLineEdit* infoEdit;
    QRadioButton* windowsMediaOption;
    QRadioButton* realOneOption;
    QRadioButton* winampOption;
    QRadioButton* quickTimeOption;
    QRadioButton* tvOption;
    QRadioButton* radioOption;
    QRadioButton* computerOption;
    QPushButton* closeButton;
    QPushButton* addButton;
    QPushButton* modifyButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    std::uint8_t m_operator = 1;
    std::uint8_t m_kind = 1;
    int m_favoriteIndex = -1;
};
