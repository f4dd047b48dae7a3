#include "ui/seleform.h"

#include "ui/baseform.h"

TForm8::TForm8(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Salveaza starea curenta"));
}

QString TForm8::clickedOptionCaption() const
{
    return QStringLiteral("Numai variabila pe care s-a dat click");
}

void TForm8::setClickedOption(bool enabled, const QString& caption)
{
    Q_UNUSED(enabled);
    Q_UNUSED(caption);
}

void TForm8::chooseOption(int index)
{
    Q_UNUSED(index);
}

int TForm8::chosenOption() const
{
    return 0;
}
