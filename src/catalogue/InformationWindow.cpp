#include "catalogue/InformationWindow.h"

#include "catalogue/ChannelRecord.h"
#include "ui/LanguageTexts.h"

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
    Label1 = label("Label1", this);
    Label2 = label("Label2", this);
    Label3 = label("Label3", this);
    Label4 = label("Label4", this);
    Ch_name = label("Ch_name", this);
    Ch_Category = label("Ch_Category", this);
    Ch_Band = label("Ch_Band", this);
    Ch_Info = label("Ch_Info", this);
    Ch_Info->setWordWrap(true);
    Ch_Info->setMinimumWidth(260);
    cmdOk = new QPushButton(texts.text(47), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);

    QLabel* captions[] = {Label1, Label2, Label3, Label4};
    QLabel* values[] = {Ch_name, Ch_Band, Ch_Category, Ch_Info};
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 14, 16, 12);
    grid->setHorizontalSpacing(12);
    for (int row = 0; row < 4; ++row) {
        captions[row]->setText(texts.text(32 + row));
        captions[row]->setAlignment((rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
        values[row]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(captions[row], row, 0);
        grid->addWidget(values[row], row, 1);
        addDragHandle(captions[row]);
        addDragHandle(values[row]);
    }
    grid->addWidget(cmdOk, 4, 0, 1, 2, Qt::AlignHCenter);
}

InformationWindow::~InformationWindow() = default;

void InformationWindow::setRecord(const ChannelRecord& record)
{
    Ch_name->setText(record.name);
    Ch_Band->setText(record.bandwidth);
    Ch_Info->setText(record.info);
    Ch_Category->setText(record.category == QStringLiteral("0") ? QStringLiteral("Unkown") : record.category);
}
