#include "ui/listform.h"

#include "ui/baseform.h"

TForm3::TForm3(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Variable Values"));
}
