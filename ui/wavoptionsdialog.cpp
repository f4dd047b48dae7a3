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

    formatGroup_ = new RadioGroup(QStringLiteral(" Format : "),
                                  {QStringLiteral("32 biti, virgula mobila"),
                                   QStringLiteral("16 biti intregi, scalat la valoarea maxima")},
                                  this);
    formatGroup_->setObjectName(QStringLiteral("FormatGroup"));
    formatGroup_->setGeometry(kMargin, kMargin, kInnerWidth, kGroupHeight);
    formatGroup_->setItemIndex(0);

    rateLabel_ = new QLabel(QStringLiteral("Frecventa de esantionare (Hz) :"), this);
    rateLabel_->setObjectName(QStringLiteral("RateLabel"));
    rateLabel_->move(kMargin, kRateTop + 3);
    rateLabel_->adjustSize();
    rateEdit_ = new SpinEdit(this);
    rateEdit_->setObjectName(QStringLiteral("RateEdit"));
    rateEdit_->setRange(1, kMaxSampleRate);
    rateEdit_->setMaxLength(7);
    rateEdit_->setGeometry(kRateEditLeft, kRateTop, kMargin + kInnerWidth - kRateEditLeft, 21);
    rateLabel_->setBuddy(rateEdit_->lineEdit());
    connect(rateEdit_, &SpinEdit::textChanged, this, [this] { rateChanged(); });

    okButton_ = new QPushButton(QStringLiteral("Ok"), this);
    okButton_->setObjectName(QStringLiteral("OkButton"));
    okButton_->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setGeometry(kMargin + kButtonWidth + 7, kButtonTop, kButtonWidth, kButtonHeight);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void WavOptionsDialog::rateChanged()
{
    const std::optional<int> rate = SpinEdit::readInteger(rateEdit_->text());
    okButton_->setEnabled(rate && *rate >= 1 && *rate <= kMaxSampleRate);
}

bool WavOptionsDialog::ask(int& sampleRate, wavEncoding& encoding)
{
    // Over the selection dialog it is asked from, so the window manager keeps it on top.
    QWidget* over = QApplication::activeModalWidget();
    if (over && over != this && parentWidget() != over)
        setParent(over, windowFlags());
    rateEdit_->setValue(sampleRate);
    rateChanged();
    rateEdit_->lineEdit()->setFocus();
    rateEdit_->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    sampleRate = rateEdit_->value();
    encoding = formatGroup_->itemIndex() == 1 ? wavEncoding::pcm16 : wavEncoding::float32;
    return true;
}
