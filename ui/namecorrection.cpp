#include "ui/namecorrection.h"

#include "core/workspace.h"
#include "ui/objectnames.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NameCorrectionDialog::NameCorrectionDialog(const tworkspace& workspace, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), workspace_(workspace)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Numele variabilei este gresit"));
    setFixedSize(456, 58);

    nameLabel_ = new QLabel(QStringLiteral("Nume nou :"), this);
    nameLabel_->move(8, 9);
    nameLabel_->adjustSize();
    nameEdit_ = new QLineEdit(this);
    nameEdit_->setGeometry(72, 6, 377, 21);
    nameLabel_->setBuddy(nameEdit_);
    connect(nameEdit_, &QLineEdit::textChanged, this, [this] { nameChanged(); });

    const auto button = [this](const QString& caption, int left, dialogAnswer answer) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(left, 32, 75, 20);
        connect(b, &QPushButton::clicked, this, [this, answer] { done(resultCode(answer)); });
        return b;
    };
    okButton_ = button(QStringLiteral("&OK"), 8, dialogAnswer::ok);
    okButton_->setDefault(true);
    okButton_->setEnabled(false);
    cancelButton_ = button(QStringLiteral("&Cancel"), 88, dialogAnswer::cancel);
    skipButton_ = button(QStringLiteral("&Skip"), 168, dialogAnswer::skip);
    ignoreAllButton_ = button(QStringLiteral("Ignore &All"), 248, dialogAnswer::ignoreAll);
    offerSkipping(false);
    setTabOrder(nameEdit_, okButton_);
    setTabOrder(okButton_, cancelButton_);
    setTabOrder(cancelButton_, skipButton_);
    setTabOrder(skipButton_, ignoreAllButton_);
    setObjectNames({{nameLabel_, "Label1"}, {nameEdit_, "Edit1"}, {okButton_, "Button1"},
                    {cancelButton_, "Button2"}, {skipButton_, "Button3"}, {ignoreAllButton_, "Button4"}});
}

dialogAnswer NameCorrectionDialog::ask(const QString& proposed, bool allowSkipping)
{
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

void NameCorrectionDialog::nameChanged()
{
    const QString text = nameEdit_->text();
    okButton_->setEnabled(!text.isEmpty() && workspace_.nameIsValid(text.toStdString()));
}

void NameCorrectionDialog::offerSkipping(bool offered)
{
    for (QPushButton* b : {skipButton_, ignoreAllButton_}) {
        b->setVisible(offered);
        b->setEnabled(offered);
    }
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
    if (!workspace.nameIsValid(name)) {
        if (nameCorrection.ask(shown, false) != dialogAnswer::ok)
            return nullptr;
        name = normaliseName(nameCorrection.name().toStdString());
    }
    return workspace.add(std::move(name), std::move(samples), std::move(info));
}
