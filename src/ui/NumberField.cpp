#include "ui/NumberField.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include <cmath>

NumberField::NumberField(QLineEdit* box, QScrollBar* spinner, int minimum, int maximum, QObject* parent)
    : QObject(parent), m_box(box), m_spinner(spinner), m_minimum(minimum), m_maximum(maximum)
{
    setRange(minimum, maximum);
    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textChanged, this, &NumberField::boxChanged);
    connect(m_spinner, &QScrollBar::valueChanged, this,
        [this](int v) { m_box->setText(QString::number(v)); });
}

NumberField* NumberField::make(
    const char* boxName, const char* spinnerName, int minimum, int maximum, const QString& text, QObject* parent)
{
    auto* field = new NumberField(newBox(boxName, {}), newSpinner(spinnerName), minimum, maximum, parent);
    field->m_box->setText(text);
    return field;
}

QLineEdit* NumberField::newBox(const char* name, const QString& text)
{
    auto* box = new QLineEdit(text);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaximumWidth(60);
    return box;
}

QScrollBar* NumberField::newSpinner(const char* name)
{
    auto* spinner = new QScrollBar(Qt::Vertical);
    spinner->setObjectName(QString::fromLatin1(name));
    spinner->setInvertedAppearance(true); // the maximum at the top
    spinner->setInvertedControls(false);
    spinner->setSingleStep(1);
    spinner->setPageStep(1);
    spinner->setFixedHeight(24);
    // A scroll bar's upper arrow steps down even when its maximum is drawn at the top; the
    // arrows' steps are turned round before they take effect, so the upper arrow counts up.
    QObject::connect(spinner, &QAbstractSlider::actionTriggered, spinner, [spinner](int action) {
        if (action == QAbstractSlider::SliderSingleStepAdd)
            spinner->setSliderPosition(spinner->value() - spinner->singleStep());
        else if (action == QAbstractSlider::SliderSingleStepSub)
            spinner->setSliderPosition(spinner->value() + spinner->singleStep());
    });
    return spinner;
}

QHBoxLayout* NumberField::besideEachOther(QLineEdit* box, QScrollBar* spinner)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(box);
    row->addWidget(spinner);
    row->addStretch();
    return row;
}

void NumberField::setRange(int minimum, int maximum)
{
    m_minimum = minimum;
    m_maximum = maximum;
    const QSignalBlocker block(m_spinner);
    m_spinner->setRange(minimum, maximum);
    boxChanged(m_box->text());
}

void NumberField::setValue(int value) { m_box->setText(QString::number(value)); }

std::optional<int> NumberField::value() const
{
    bool ok = false;
    const int v = m_box->text().toInt(&ok);
    return ok ? std::optional<int>(v) : std::nullopt;
}

void NumberField::boxChanged(const QString& text)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return; // an empty box changes nothing
    const int v = static_cast<int>(std::clamp(std::nearbyint(number), double(m_minimum), double(m_maximum)));
    if (v != number)
        m_box->setText(QString::number(v)); // calls back once with a number in range
    const QSignalBlocker block(m_spinner);
    m_spinner->setValue(v);
}

bool NumberField::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_box && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, m_box, &QLineEdit::selectAll); // after the click that gave the focus
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool digit = key->text().size() == 1 && key->text()[0].isDigit() && key->text()[0].unicode() < 128;
        const bool kept = digit || key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Tab
            || key->key() == Qt::Key_Backtab;
        return !kept;
    }
    return QObject::eventFilter(watched, event);
}
