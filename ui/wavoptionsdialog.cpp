#include "ui/wavoptionsdialog.h"

#include "ui/radiogroup.h"
#include "ui/spinedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMargin = 8;
constexpr int kInnerWidth = 265;
constexpr int kGroupHeight = 57;
constexpr int kRateTop = 72;
constexpr int kRateEditLeft = 176;
constexpr int kButtonTop = 104;
constexpr int kButtonWidth = 129;
constexpr int kButtonHeight = 20;

} // namespace

WavOptionsDialog::WavOptionsDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WavOptionsDialog"));
    setWindowTitle(QStringLiteral("Salveaza ca sunet WAV"));
    setFixedSize(kClientWidth, kClientHeight);

    FormatGroup = new RadioGroup(QStringLiteral(" Format : "),
                                 {QStringLiteral("32 biti, virgula mobila"),
                                  QStringLiteral("16 biti intregi, scalat la valoarea maxima")},
                                 this);
    FormatGroup->setObjectName(QStringLiteral("FormatGroup"));
    FormatGroup->setGeometry(kMargin, kMargin, kInnerWidth, kGroupHeight);
    FormatGroup->setItemIndex(0);

    RateLabel = new QLabel(QStringLiteral("Frecventa de esantionare (Hz) :"), this);
    RateLabel->move(kMargin, kRateTop + 3);
    RateLabel->adjustSize();
    RateEdit = new SpinEdit(this);
    RateEdit->setObjectName(QStringLiteral("RateEdit"));
    RateEdit->setRange(1, kMaxSampleRate);
    RateEdit->setMaxLength(7);
    RateEdit->setGeometry(kRateEditLeft, kRateTop, kMargin + kInnerWidth - kRateEditLeft, 21);
    RateLabel->setBuddy(RateEdit->lineEdit());
    connect(RateEdit, &SpinEdit::textChanged, this, [this] { rateChanged(); });

    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);
    OkButton->setDefault(true);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(kMargin + kButtonWidth + 7, kButtonTop, kButtonWidth, kButtonHeight);
    CancelButton->setAutoDefault(false);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void WavOptionsDialog::rateChanged()
{
    const std::optional<int> rate = SpinEdit::readInteger(RateEdit->text());
    OkButton->setEnabled(rate && *rate >= 1 && *rate <= kMaxSampleRate);
}

bool WavOptionsDialog::ask(int& sampleRate, wavEncoding& encoding)
{
    // Over the selection dialog it is asked from, so the window manager keeps it on top.
    QWidget* over = QApplication::activeModalWidget();
    if (over && over != this && parentWidget() != over)
        setParent(over, windowFlags());
    RateEdit->setValue(sampleRate);
    rateChanged();
    RateEdit->lineEdit()->setFocus();
    RateEdit->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    sampleRate = RateEdit->value();
    encoding = FormatGroup->itemIndex() == 1 ? wavEncoding::pcm16 : wavEncoding::float32;
    return true;
}
