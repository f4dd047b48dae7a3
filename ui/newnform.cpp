#include "ui/newnform.h"

#include "ui/baseform.h"

TForm4::TForm4(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Numele variabilei este gresit"));
}
