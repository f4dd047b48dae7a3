#include "ui/funcform.h"

#include "ui/baseform.h"

TForm2::TForm2(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Generare Functie"));
}

void TForm2::preset(const QString& name, const QString& expression)
{
    Q_UNUSED(name);
    Q_UNUSED(expression);
}
