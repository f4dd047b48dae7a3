#include "ui/funcform.h"

#include "ui/baseform.h"

TForm2::TForm2(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Generare Functie"));
}
