#include "ui/aboutdialog.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("About (Despre acest program)"));
    // Wide enough that a window manager's title bar shows the whole caption beside its buttons.
    constexpr int kWidth = 400;
    constexpr int kHeight = 150;
    constexpr int kMargin = 8;
    setFixedSize(kWidth, kHeight);

    auto* title = new QLabel(QStringLiteral("Kelmo"), this);
    QFont big = title->font();
    big.setPixelSize(24);
    big.setBold(true);
    title->setFont(big);
    title->setAlignment(Qt::AlignCenter);
    title->setGeometry(kMargin, 8, kWidth - 2 * kMargin, 32);

    auto* credits = new QLabel(QStringLiteral("Laborator de prelucrare numerica a semnalelor\n"
                                              "Realizat de echipa proiectului Kelmo\n"
                                              "Construit cu Qt 6"),
                               this);
    credits->setAlignment(Qt::AlignCenter);
    credits->setGeometry(kMargin, 48, kWidth - 2 * kMargin, 56);

    constexpr int kButtonWidth = 75;
    auto* ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setGeometry((kWidth - kButtonWidth) / 2, 116, kButtonWidth, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
