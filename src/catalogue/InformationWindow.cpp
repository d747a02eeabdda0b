#include "catalogue/InformationWindow.h"

#include "catalogue/core/ChannelRecord.h"
#include "state/LanguageTexts.h"
#include "state/TextId.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* label(const char* name, QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

} // namespace

InformationWindow::InformationWindow(QWidget* owner, ChromeState state, const LanguageTexts& texts)
    : ChromeDialog(owner, Frame::Rounded, state)
{
    setObjectName(QStringLiteral("Information"));
    const bool rightToLeft = state.rightToLeft;
    nameCaption = label("Label1", this);
    bandwidthCaption = label("Label2", this);
    categoryCaption = label("Label3", this);
    infoCaption = label("Label4", this);
    nameValue = label("Ch_name", this);
    categoryValue = label("Ch_Category", this);
    bandwidthValue = label("Ch_Band", this);
    infoValue = label("Ch_Info", this);
    infoValue->setWordWrap(true);
    infoValue->setMinimumWidth(260);
    okButton = new QPushButton(texts.text(TextId::Ok), this);
    okButton->setObjectName(QStringLiteral("cmdOk"));
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    QLabel* captions[] = {nameCaption, bandwidthCaption, categoryCaption, infoCaption};
    QLabel* values[] = {nameValue, bandwidthValue, categoryValue, infoValue};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 12);
    grid->setHorizontalSpacing(12);
    for (int row = 0; row < 4; ++row) {
        captions[row]->setText(
            texts.text(number(TextId::Name) + row)); // name, bandwidth, category, information
        captions[row]->setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(captions[row], row, 0);
        grid->addWidget(values[row], row, 1);
        addDragHandle(captions[row]);
        addDragHandle(values[row]);
    }
    grid->addWidget(okButton, 4, 0, 1, 2, Qt::AlignHCenter);
}

InformationWindow::~InformationWindow() = default;

void InformationWindow::setRecord(const ChannelRecord& record)
{
    nameValue->setText(record.name);
    bandwidthValue->setText(record.bandwidth);
    infoValue->setText(record.info.toString());
    categoryValue->setText(
        record.category == QStringLiteral("0") ? QStringLiteral("Unkown") : record.category);
}
