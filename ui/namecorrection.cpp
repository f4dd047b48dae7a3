#include "ui/namecorrection.h"

#include "ui/objectnames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kButtonTop = 32;
constexpr int kButtonHeight = 20;
constexpr int kReasonGap = 8; // from the last button shown to the reason

} // namespace

QString refusalText(nameRefusal refusal, const QString& text)
{
    switch (refusal) {
    case nameRefusal::none: return {};
    case nameRefusal::empty: return NameCorrectionDialog::tr("Numele este gol");
    case nameRefusal::taken: return NameCorrectionDialog::tr("Numele exista deja");
    case nameRefusal::reserved: return NameCorrectionDialog::tr("Nume de functie");
    case nameRefusal::startsWithDigit: return NameCorrectionDialog::tr("Incepe cu o cifra");
    case nameRefusal::badCharacter:
        for (const QChar c : text)
            if (c.unicode() >= 128 || !(c.isLetterOrNumber() || c == u'_'))
                return NameCorrectionDialog::tr("Caracter nepermis : ") +
                       (c == u' ' ? NameCorrectionDialog::tr("spatiu") : QString(c));
        return NameCorrectionDialog::tr("Caracter nepermis");
    }
    return {};
}

NameCorrectionDialog::NameCorrectionDialog(const tworkspace& workspace, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), workspace_(workspace)
{
    setObjectName(QStringLiteral("TForm4"));
    texts_.bind(QT_TR_NOOP("Numele variabilei este gresit"), [this](const QString& t) { setWindowTitle(t); });
    setFixedSize(456, 58);

    nameLabel_ = new QLabel(this);
    nameLabel_->move(8, 9);
    texts_.bind(QT_TR_NOOP("Nume nou :"), [this](const QString& t) {
        nameLabel_->setText(t);
        nameLabel_->adjustSize();
    });
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setGeometry(72, 6, 377, 21);
    nameLabel_->setBuddy(nameEdit_);
    connect(nameEdit_, &QLineEdit::textChanged, this, [this] { nameChanged(); });

    const auto button = [this](const char* caption, int left, dialogAnswer answer) {
        auto* b = new QPushButton(this);
        texts_.text(b, caption);
        b->setGeometry(left, kButtonTop, 75, kButtonHeight);
        connect(b, &QPushButton::clicked, this, [this, answer] { done(resultCode(answer)); });
        return b;
    };
    okButton_ = button(QT_TR_NOOP("&OK"), 8, dialogAnswer::ok);
    okButton_->setDefault(true);
    okButton_->setEnabled(false);
    cancelButton_ = button(QT_TR_NOOP("&Cancel"), 88, dialogAnswer::cancel);
    skipButton_ = button(QT_TR_NOOP("&Skip"), 168, dialogAnswer::skip);
    ignoreAllButton_ = button(QT_TR_NOOP("Ignore &All"), 248, dialogAnswer::ignoreAll);
    reasonLabel_ = new QLabel(this);
    offerSkipping(false);
    setTabOrder(nameEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, skipButton_);
    setTabOrder(skipButton_, ignoreAllButton_);
    setObjectNames({{nameLabel_, "Label1"}, {nameEdit_, "Edit1"}, {okButton_, "Button1"},
                    {cancelButton_, "Button2"}, {skipButton_, "Button3"}, {ignoreAllButton_, "Button4"},
                    {reasonLabel_, "ReasonLabel"}});
}

dialogAnswer NameCorrectionDialog::ask(const QString& proposed, bool allowSkipping, bool willNormalise)
{
    willNormalise_ = willNormalise;
    nameEdit_->setText(proposed);
    nameChanged(); // also when the text was already there: the workspace may have changed
    allowSkip_ = allowSkipping;
    const int result = exec();
    allowSkip_ = false;
    offerSkipping(false);
    return answerOf(result);
}

QString NameCorrectionDialog::name() const
{
    return nameEdit_->text();
}

nameRefusal NameCorrectionDialog::refusalNow() const
{
    const QString text = nameEdit_->text();
    nameRefusal refusal = workspace_.refusalOf(text.toStdString());
    if (willNormalise_ && refusal == nameRefusal::badCharacter) {
        // What normalising leaves must be a name; text of nothing but dropped characters is not.
        const std::string normalised = normaliseName(text.toStdString());
        if (!normalised.empty())
            refusal = workspace_.refusalOf(normalised);
    }
    return refusal;
}

void NameCorrectionDialog::nameChanged()
{
    const nameRefusal refusal = refusalNow();
    okButton_->setEnabled(refusal == nameRefusal::none);
    showReason(refusalText(refusal, nameEdit_->text()));
}

void NameCorrectionDialog::showReason(const QString& reason)
{
    // Beside four buttons the room is narrow: the font narrows until the reason fits.
    QFont font = this->font();
    const int room = reasonLabel_->width();
    for (int stretch = QFont::Unstretched; stretch > QFont::UltraCondensed; stretch -= 6) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(reason) <= room)
            break;
    }
    reasonLabel_->setFont(font);
    reasonLabel_->setText(reason);
    reasonLabel_->setToolTip(reason); // in full, should it still not fit
}

void NameCorrectionDialog::offerSkipping(bool offered)
{
    for (QPushButton* b : {skipButton_, ignoreAllButton_}) {
        b->setVisible(offered);
        b->setEnabled(offered);
    }
    const int left = (offered ? ignoreAllButton_ : cancelButton_)->geometry().right() + 1 + kReasonGap;
    reasonLabel_->setGeometry(left, kButtonTop, width() - left - kReasonGap, kButtonHeight);
    showReason(reasonLabel_->text());
}

void NameCorrectionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        texts_.retranslate();
        showReason(refusalText(refusalNow(), nameEdit_->text()));
    }
    QDialog::changeEvent(event);
}

void NameCorrectionDialog::reject()
{
    done(resultCode(dialogAnswer::cancel));
}

void NameCorrectionDialog::showEvent(QShowEvent* event)
{
    offerSkipping(allowSkip_);
    nameEdit_->setFocus();
    QDialog::showEvent(event);
}

tdspvarPtr addNamedVariable(QLineEdit& nameField, NameCorrectionDialog& nameCorrection,
                            tworkspace& workspace, signalSamples samples, variableInfo info)
{
    std::string name = normaliseName(nameField.text().toStdString());
    const QString shown = QString::fromStdString(asciiLower(name));
    nameField.setText(shown);
    if (workspace.refusalOf(name) != nameRefusal::none) {
        if (nameCorrection.ask(shown, false, true) != dialogAnswer::ok)
            return nullptr;
        name = normaliseName(nameCorrection.name().toStdString());
    }
    return workspace.add(std::move(name), std::move(samples), std::move(info));
}
