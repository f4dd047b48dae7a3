#include "ui/seleform.h"

#include "ui/baseform.h"

TForm8::TForm8(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Salveaza starea curenta"));
}
