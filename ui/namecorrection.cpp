#include "ui/namecorrection.h"

#include "ui/mainwindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

NameCorrectionDialog::NameCorrectionDialog(MainWindow* mainForm)
    : QDialog(mainForm, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), mainForm_(mainForm)
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

    const auto button = [this](const QString& caption, int left, int result) {
        auto* b = new QPushButton(caption, this);
        b->setGeometry(left, 32, 75, 20);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    Button1 = button(QStringLiteral("&OK"), 8, kOk);
    Button1->setDefault(true);
    Button1->setEnabled(false);
    Button2 = button(QStringLiteral("&Cancel"), 88, kCancel);
    Button3 = button(QStringLiteral("&Skip"), 168, kSkip);
    Button4 = button(QStringLiteral("Ignore &All"), 248, kIgnoreAll);
    for (QPushButton* b : {Button3, Button4}) {
        b->setVisible(false);
        b->setEnabled(false);
    }
    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, Button4);
}

int NameCorrectionDialog::ask(const QString& proposed, bool allowSkipping)
{
    Edit1->setText(proposed);
    nameChanged(); // also when the text was already there: the workspace may have changed
    allowSkip = allowSkipping;
    const int result = exec();
    allowSkip = false;
    return result;
}

QString NameCorrectionDialog::name() const
{
    return Edit1->text();
}

void NameCorrectionDialog::nameChanged()
{
    const QString text = Edit1->text();
    Button1->setEnabled(!text.isEmpty() && mainForm_->workspace().nameIsValid(text.toStdString()));
}

void NameCorrectionDialog::reject()
{
    done(kCancel);
}

void NameCorrectionDialog::showEvent(QShowEvent* event)
{
    for (QPushButton* b : {Button3, Button4}) {
        b->setVisible(allowSkip);
        b->setEnabled(allowSkip);
    }
    Edit1->setFocus();
    QDialog::showEvent(event);
}
