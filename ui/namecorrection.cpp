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

    Label1 = new QLabel(QStringLiteral("Nume nou :"), this);
    Label1->move(8, 9);
    Label1->adjustSize();
    Edit1 = new QLineEdit(this);
    Edit1->setGeometry(72, 6, 377, 21);
    Label1->setBuddy(Edit1);
    connect(Edit1, &QLineEdit::textChanged, this, [this] { nameChanged(); });

    const auto button = [this](const QString& caption, int left, dialogResult::code result) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(left, 32, 75, 20);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    Button1 = button(QStringLiteral("&OK"), 8, dialogResult::ok);
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = button(QStringLiteral("&Cancel"), 88, dialogResult::cancel);
    Button3 = button(QStringLiteral("&Skip"), 168, dialogResult::skip);
    Button4 = button(QStringLiteral("Ignore &All"), 248, dialogResult::ignoreAll);
    offerSkipping(false);
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
    setObjectNames({{Label1, "Label1"}, {Edit1, "Edit1"}, {Button1, "Button1"}, {Button2, "Button2"},
                    {Button3, "Button3"}, {Button4, "Button4"}});
}

dialogResult::code NameCorrectionDialog::ask(const QString& proposed, bool allowSkipping)
{
    Edit1->setText(proposed);
    nameChanged(); // also when the text was already there: the workspace may have changed
    allowSkip_ = allowSkipping;
    const int result = exec();
    allowSkip_ = false;
    offerSkipping(false);
    return static_cast<dialogResult::code>(result);
}

QString NameCorrectionDialog::name() const
{
    return Edit1->text();
}

void NameCorrectionDialog::nameChanged()
{
    const QString text = Edit1->text();
    Button1->setEnabled(!text.isEmpty() && workspace_.nameIsValid(text.toStdString()));
}

void NameCorrectionDialog::offerSkipping(bool offered)
{
    for (QPushButton* b : {Button3, Button4}) {
        b->setVisible(offered);
        b->setEnabled(offered);
    }
}

void NameCorrectionDialog::reject()
{
    done(dialogResult::cancel);
}

void NameCorrectionDialog::showEvent(QShowEvent* event)
{
    offerSkipping(allowSkip_);
    Edit1->setFocus();
    QDialog::showEvent(event);
}

tdspvarPtr addNamedVariable(QLineEdit& nameField, NameCorrectionDialog& nameCorrection,
                            tworkspace& workspace, signalSamples samples, variableInfo info)
{
    std::string name = normaliseName(nameField.text().toStdString());
    const QString shown = QString::fromStdString(asciiLower(name));
    nameField.setText(shown);
    if (!workspace.nameIsValid(name)) {
        if (nameCorrection.ask(shown, false) != dialogResult::ok)
            return nullptr;
        name = normaliseName(nameCorrection.name().toStdString());
    }
    return workspace.add(std::move(name), std::move(samples), std::move(info));
}
