#pragma once

#include <QObject>

#include <optional>

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
