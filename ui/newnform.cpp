#include "ui/newnform.h"

#include "ui/baseform.h"

TForm4::TForm4(TForm1* mainForm) : QDialog(mainForm), mainForm_(mainForm)
{
    setWindowTitle(QStringLiteral("Numele variabilei este gresit"));
}

int TForm4::ask(const QString& proposed, bool allowSkip)
{
    Q_UNUSED(proposed);
    Q_UNUSED(allowSkip);
    return 2;
}

QString TForm4::name() const
{
    return {};
}
