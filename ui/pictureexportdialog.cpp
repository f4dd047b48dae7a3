#include "ui/pictureexportdialog.h"

#include "ui/objectnames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int kSmallest = 16;
constexpr int kLargest = 10000;

} // namespace

PictureExportDialog::PictureExportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PictureExportForm"));
    setWindowTitle(QStringLiteral("Salveaza graficul"));
    formatBox_ = new QComboBox(this);
    formatBox_->addItems({QStringLiteral("PNG (imagine)"), QStringLiteral("SVG (desen vectorial)"),
                          QStringLiteral("PDF (document)")});
    windowSize_ = new QRadioButton(this);
    windowSize_->setChecked(true);
    typedSize_ = new QRadioButton(QStringLiteral("&Alta marime :"), this);
    widthEdit_ = new QSpinBox(this);
    heightEdit_ = new QSpinBox(this);
    for (QSpinBox* edit : {widthEdit_, heightEdit_})
        edit->setRange(kSmallest, kLargest);
    widthEdit_->setValue(1200);
    heightEdit_->setValue(800);
    printBox_ = new QCheckBox(QStringLiteral("Pentru &tiparire (fundal alb, titluri, legenda)"), this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* typed = new QHBoxLayout;
    typed->addWidget(typedSize_);
    typed->addWidget(widthEdit_);
    typed->addWidget(new QLabel(QStringLiteral("x"), this));
    typed->addWidget(heightEdit_);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Format :"), formatBox_);
    form->addRow(windowSize_);
    form->addRow(typed);
    form->addRow(printBox_);
    form->addRow(buttons);
    setObjectNames({{formatBox_, "FormatBox"}, {windowSize_, "RadioButton1"}, {typedSize_, "RadioButton2"},
                    {widthEdit_, "WidthEdit"}, {heightEdit_, "HeightEdit"}, {printBox_, "CheckBox1"}});
}

bool PictureExportDialog::ask(QSize windowSize, pictureChoice& choice)
{
    windowSize_->setText(QStringLiteral("&Marimea din fereastra (%1 x %2)").arg(windowSize.width()).arg(windowSize.height()));
    if (exec() != QDialog::Accepted)
        return false;
    choice.format = static_cast<pictureFormat>(formatBox_->currentIndex());
    choice.size = typedSize_->isChecked() ? QSize(widthEdit_->value(), heightEdit_->value()) : QSize();
    choice.forPrint = printBox_->isChecked();
    return true;
}
