#include "ui/zinvform.h"

#include "ui/baseform.h"

TForm10::TForm10(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Transformata z inversa"));
}
