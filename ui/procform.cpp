#include "ui/procform.h"

#include "ui/baseform.h"

TForm5::TForm5(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Procesare"));
}
