#include "ui/sampleratedialog.h"

#include "core/samplerate.h"
#include "core/workspace.h"
#include "ui/narrowlabel.h"
#include "ui/objectnames.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <charconv>

namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 110;

// The rate as the user types it back: the shortest decimal form, with the point.
QString rateText(double rate)
{
    char text[32];
    const auto [end, error] = std::to_chars(text, text + sizeof text, rate);
    return error == std::errc() ? QString::fromLatin1(text, static_cast<qsizetype>(end - text)) : QString();
}

} // namespace

SampleRateDialog::SampleRateDialog(tworkspace& workspace, QWidget* parent)
    : QDialog(parent), workspace_(workspace)
{
    setObjectName(QStringLiteral("SampleRateForm"));
    texts_.bind(QT_TR_NOOP("Frecventa de esantionare"), [this](const QString& t) { setWindowTitle(t); });
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    promptLabel_ = new QLabel(this);
    promptLabel_->setGeometry(8, 8, kClientWidth - 16, 16);
    rateEdit_ = new QLineEdit(this);
    rateEdit_->setGeometry(8, 28, kClientWidth - 16, 21);
    promptLabel_->setBuddy(rateEdit_);
    messageLabel_ = new QLabel(this);
    messageLabel_->setGeometry(8, 52, kClientWidth - 16, 28);
    messageLabel_->setWordWrap(true);
    QPalette red = messageLabel_->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    messageLabel_->setPalette(red);
    okButton_ = new QPushButton(this);
    texts_.text(okButton_, QT_TR_NOOP("Ok"));
    okButton_->setGeometry(kClientWidth - 2 * 88, kClientHeight - 28, 80, 20);
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(this);
    texts_.text(cancelButton_, QT_TR_NOOP("Cancel"));
    cancelButton_->setGeometry(kClientWidth - 88, kClientHeight - 28, 80, 20);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(rateEdit_, &QLineEdit::textEdited, this, [this] { showRefusal(false); });
    texts_.onChange([this] {
        showPrompt();
        showRefusal(refused_);
    });
    setObjectNames({{promptLabel_, "Label1"}, {rateEdit_, "Edit1"}, {messageLabel_, "Label2"},
                    {okButton_, "Button1"}, {cancelButton_, "Button2"}});
}

void SampleRateDialog::setVariable(tdspvarPtr variable)
{
    variable_ = std::move(variable);
    showPrompt();
    const double rate = variable_ ? variable_->sampleRate() : 0;
    rateEdit_->setText(isValidSampleRate(rate) ? rateText(rate) : QString());
    rateEdit_->selectAll();
    rateEdit_->setFocus();
    showRefusal(false);
}

void SampleRateDialog::showPrompt()
{
    const QString name = variable_ ? QString::fromStdString(asciiLower(variable_->name())) : QString();
    promptLabel_->setText(tr("&Frecventa variabilei %1 [Hz] (nimic: fara frecventa) :").arg(name));
    narrowToFit(promptLabel_, promptLabel_->width()); // a long name must not cut the hint off
}

void SampleRateDialog::showRefusal(bool refused)
{
    refused_ = refused;
    messageLabel_->setText(refused ? tr("Frecventa trebuie sa fie un numar mai mare decat 0 "
                                        "si cel mult 1000000000, scris cu punct zecimal")
                                   : QString());
}

void SampleRateDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}

void SampleRateDialog::accept()
{
    double rate = 0;
    if (readSampleRate(rateEdit_->text().toStdString(), rate) == sampleRateEntry::refused) {
        showRefusal(true);
        rateEdit_->setFocus();
        return;
    }
    if (variable_ && workspace_.indexOf(*variable_) >= 0 && rate != variable_->sampleRate()) {
        variableInfo info = variable_->info();
        info.sampleRate = rate;
        workspace_.setInfo(variable_, std::move(info));
    }
    QDialog::accept();
}
