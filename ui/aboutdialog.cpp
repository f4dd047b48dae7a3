#include "ui/aboutdialog.h"

#include "ui/mainwindow.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(MainWindow* mainForm)
    : QDialog(mainForm, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), mainForm_(mainForm)
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("About (Despre acest program)"));
    setFixedSize(300, 150);

    auto* title = new QLabel(QStringLiteral("Kelmo"), this);
    QFont big = title->font();
    big.setPixelSize(24);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(8, 8, 284, 32);

    auto* credits = new QLabel(QStringLiteral("Laborator de prelucrare numerica a semnalelor\n"
                                              "Realizat de echipa proiectului Kelmo\n"
                                              "Construit cu Qt 6"),
                               this);
    credits->setAlignment(Qt::AlignCenter);
    credits->setGeometry(8, 48, 284, 56);

    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry(112, 116, 75, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
