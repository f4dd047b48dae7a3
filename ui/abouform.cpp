#include "ui/abouform.h"

#include "ui/baseform.h"

TForm6::TForm6(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("About (Despre acest program)"));
}
