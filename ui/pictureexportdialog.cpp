#include "ui/pictureexportdialog.h"

#include "ui/objectnames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
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
    texts_.bind(QT_TR_NOOP("Salveaza graficul"), [this](const QString& t) { setWindowTitle(t); });
    formatBox_ = new QComboBox(this);
    static const char* const formats[] = {QT_TR_NOOP("PNG (imagine)"), QT_TR_NOOP("SVG (desen vectorial)"),
                                          QT_TR_NOOP("PDF (document)")};
    for (const char* format : formats) {
        const int item = formatBox_->count();
        formatBox_->addItem(QString());
        texts_.bind(format, [this, item](const QString& t) { formatBox_->setItemText(item, t); });
    }
    windowSize_ = new QRadioButton(this);
    windowSize_->setChecked(true);
    texts_.onChange([this] { showWindowSize(); });
    typedSize_ = new QRadioButton(this);
    texts_.text(typedSize_, QT_TR_NOOP("&Alta marime :"));
    widthEdit_ = new QSpinBox(this);
    heightEdit_ = new QSpinBox(this);
    for (QSpinBox* edit : {widthEdit_, heightEdit_})
        edit->setRange(kSmallest, kLargest);
    widthEdit_->setValue(1200);
    heightEdit_->setValue(800);
    printBox_ = new QCheckBox(this);
    texts_.text(printBox_, QT_TR_NOOP("Pentru &tiparire (fundal alb, titluri, legenda)"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* typed = new QHBoxLayout;
    typed->addWidget(typedSize_);
    typed->addWidget(widthEdit_);
    typed->addWidget(new QLabel(QStringLiteral("x"), this));
    typed->addWidget(heightEdit_);
    auto* form = new QFormLayout(this);
    auto* formatLabel = new QLabel(this);
    formatLabel->setBuddy(formatBox_);
    texts_.text(formatLabel, QT_TR_NOOP("&Format :"));
    form->addRow(formatLabel, formatBox_);
    form->addRow(windowSize_);
    form->addRow(typed);
    form->addRow(printBox_);
    form->addRow(buttons);
    setObjectNames({{formatBox_, "FormatBox"}, {windowSize_, "RadioButton1"}, {typedSize_, "RadioButton2"},
                    {widthEdit_, "WidthEdit"}, {heightEdit_, "HeightEdit"}, {printBox_, "CheckBox1"}});
}

void PictureExportDialog::showWindowSize()
{
    windowSize_->setText(tr("&Marimea din fereastra (%1 x %2)").arg(windowSizeOffered_.width()).arg(windowSizeOffered_.height()));
}

void PictureExportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}

bool PictureExportDialog::ask(QSize windowSize, pictureChoice& choice)
{
    windowSizeOffered_ = windowSize;
    showWindowSize();
    if (exec() != QDialog::Accepted)
        return false;
    choice.format = static_cast<pictureFormat>(formatBox_->currentIndex());
    choice.size = typedSize_->isChecked() ? QSize(widthEdit_->value(), heightEdit_->value()) : QSize();
    choice.forPrint = printBox_->isChecked();
    return true;
}
