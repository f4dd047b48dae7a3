#include "ui/grphform.h"

#include "ui/baseform.h"

TForm9::TForm9(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Grafic"));
}
