#include "ui/helpform.h"

#include "ui/baseform.h"

TForm7::TForm7(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Ajutor pentru programul Kelmo"));
}
