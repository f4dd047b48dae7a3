#include "ui/soundexportdialog.h"

#include "ui/radiogroup.h"
#include "ui/spinedit.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMargin = 8;
constexpr int kInnerWidth = 265;
constexpr int kFormatHeight = 105;
constexpr int kScalingTop = kMargin + kFormatHeight + 4;
constexpr int kScalingHeight = 57;
constexpr int kRateTop = kScalingTop + kScalingHeight + 8;
constexpr int kRateEditLeft = 196; // right of the label, whose text ends about 190
constexpr int kButtonTop = kRateTop + 32;
constexpr int kButtonWidth = 129;
constexpr int kButtonHeight = 20;

} // namespace

bool isFlacEncoding(soundEncoding encoding)
{
    return encoding == soundEncoding::flac16 || encoding == soundEncoding::flac24;
}

SoundExportDialog::SoundExportDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SoundExportDialog"));
    texts_.bind(QT_TR_NOOP("Salveaza ca sunet"), [this](const QString& t) { setWindowTitle(t); });
    setFixedSize(kClientWidth, kClientHeight);

    formatGroup_ = makeRadioGroup(texts_, QT_TR_NOOP(" Format : "),
                                  {QT_TR_NOOP("WAV, 32 biti, virgula mobila"), QT_TR_NOOP("WAV, 16 biti intregi"),
                                   QT_TR_NOOP("WAV, 24 biti intregi"), QT_TR_NOOP("FLAC, 16 biti intregi"),
                                   QT_TR_NOOP("FLAC, 24 biti intregi")},
                                  this);
    formatGroup_->setObjectName(QStringLiteral("FormatGroup"));
    formatGroup_->setGeometry(kMargin, kMargin, kInnerWidth, kFormatHeight);
    formatGroup_->setItemIndex(static_cast<int>(soundEncoding::float32));
    connect(formatGroup_, &RadioGroup::itemChanged, this, [this] { encodingChanged(); });

    scalingGroup_ = makeRadioGroup(texts_, QT_TR_NOOP(" Valori intregi : "),
                                   {QT_TR_NOOP("&Scalate la valoarea maxima"), QT_TR_NOOP("&Asa cum sunt (+-1 = maxim)")},
                                   this);
    scalingGroup_->setObjectName(QStringLiteral("ScalingGroup"));
    scalingGroup_->setGeometry(kMargin, kScalingTop, kInnerWidth, kScalingHeight);
    scalingGroup_->setItemIndex(static_cast<int>(sampleScaling::toPeak));
    encodingChanged();

    rateLabel_ = new QLabel(this);
    rateLabel_->setObjectName(QStringLiteral("RateLabel"));
    rateLabel_->move(kMargin, kRateTop + 3);
    texts_.bind(QT_TR_NOOP("Frecventa de esantionare (Hz) :"), [this](const QString& t) {
        rateLabel_->setText(t);
        rateLabel_->adjustSize();
    });
    rateEdit_ = new SpinEdit(this);
    rateEdit_->setObjectName(QStringLiteral("RateEdit"));
    rateEdit_->setRange(1, kMaxSampleRate);
    rateEdit_->setMaxLength(7);
    rateEdit_->setGeometry(kRateEditLeft, kRateTop, kMargin + kInnerWidth - kRateEditLeft, 21);
    rateLabel_->setBuddy(rateEdit_->lineEdit());
    connect(rateEdit_, &SpinEdit::textChanged, this, [this] { rateChanged(); });

    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setObjectName(QStringLiteral("OkButton"));
    okButton_->setGeometry(kMargin, kButtonTop, kButtonWidth, kButtonHeight);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setObjectName(QStringLiteral("CancelButton"));
    cancelButton_->setGeometry(kMargin + kButtonWidth + 7, kButtonTop, kButtonWidth, kButtonHeight);
    cancelButton_->setAutoDefault(false);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SoundExportDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}

void SoundExportDialog::rateChanged()
{
    const std::optional<int> rate = SpinEdit::readInteger(rateEdit_->text());
    okButton_->setEnabled(rate && *rate >= 1 && *rate <= kMaxSampleRate);
}

void SoundExportDialog::encodingChanged()
{
    // Floats keep every value as it is; the scaling is a question for integers only.
    scalingGroup_->setEnabled(formatGroup_->itemIndex() != static_cast<int>(soundEncoding::float32));
}

bool SoundExportDialog::ask(soundExportOptions& options)
{
    // Over the selection dialog it is asked from, so the window manager keeps it on top.
    QWidget* over = QApplication::activeModalWidget();
    if (over && over != this && parentWidget() != over)
        setParent(over, windowFlags());
    rateEdit_->setValue(options.sampleRate);
    rateChanged();
    rateEdit_->lineEdit()->setFocus();
    rateEdit_->lineEdit()->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    options.sampleRate = rateEdit_->value();
    options.encoding = static_cast<soundEncoding>(formatGroup_->itemIndex());
    options.scaling = static_cast<sampleScaling>(scalingGroup_->itemIndex());
    return true;
}
