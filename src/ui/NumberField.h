#pragma once

#include <QObject>

#include <optional>

class QHBoxLayout;
class QLineEdit;
class QScrollBar;

// A number typed in a text box beside a spinner: only digits and Backspace reach the box;
// a number out of range is set back to the nearest limit; the spinner follows the box and
// the box the spinner. An empty box keeps its spinner where it was.
class NumberField final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(NumberField)
public:
    NumberField(QLineEdit* box, QScrollBar* spinner, int minimum, int maximum, QObject* parent = nullptr);
    // A new box with its spinner, carrying the dialogs' control names, showing `text`.
    static NumberField* make(const char* boxName, const char* spinnerName, int minimum, int maximum,
        const QString& text, QObject* parent);

    // The pieces the dialogs lay out: a narrow number box, a vertical spinner, and the
    // two side by side.
    static QLineEdit* newBox(const char* name, const QString& text);
    static QScrollBar* newSpinner(const char* name);
    static QHBoxLayout* besideEachOther(QLineEdit* box, QScrollBar* spinner);
    QHBoxLayout* row() const { return besideEachOther(m_box, m_spinner); }

    void setRange(int minimum, int maximum);
    void setValue(int value);
    // The number in the box; nothing when the box holds none.
    std::optional<int> value() const;
    // The number in the box, or the field's minimum when it holds none.
    int valueOrMinimum() const { return value().value_or(m_minimum); }

    QLineEdit* box() const { return m_box; }
    QScrollBar* spinner() const { return m_spinner; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void boxChanged(const QString& text);

    QLineEdit* m_box;
    QScrollBar* m_spinner;
    int m_minimum;
    int m_maximum;
};
