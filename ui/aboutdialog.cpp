#include "ui/aboutdialog.h"

#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TForm6"));
    texts_.bind(QT_TR_NOOP("About (Despre acest program)"), [this](const QString& t) { setWindowTitle(t); });
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

    auto* credits = new QLabel(this);
    texts_.text(credits, QT_TR_NOOP("Laborator de prelucrare numerica a semnalelor\n"
                                    "Realizat de echipa proiectului Kelmo\n"
                                    "Construit cu Qt 6"));
    credits->setAlignment(Qt::AlignCenter);
    credits->setGeometry(kMargin, 48, kWidth - 2 * kMargin, 56);

    constexpr int kButtonWidth = 75;
    auto* ok = new QPushButton(this);
    texts_.text(ok, QT_TR_NOOP("Ok"));
    ok->setGeometry((kWidth - kButtonWidth) / 2, 116, kButtonWidth, 22);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        texts_.retranslate();
    QDialog::changeEvent(event);
}
