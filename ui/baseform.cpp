#include "ui/baseform.h"

#include "ui/funcform.h"
#include "ui/listform.h"
#include "ui/newnform.h"
#include "ui/procform.h"
#include "ui/abouform.h"
#include "ui/helpform.h"
#include "ui/seleform.h"
#include "ui/grphform.h"
#include "ui/zinvform.h"
#include "ui/plotbitmap.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelmo"));
    resize(534, 337);
    setMinimumSize(320, 100);
    windowNames_ = {QStringLiteral("Dirichlet"), QStringLiteral("Bartlett"), QStringLiteral("Hamming"),
                    QStringLiteral("Hanning"), QStringLiteral("Blackman")};
    plotBitmap();
    form2_ = new TForm2(this);
    form3_ = new TForm3(this);
    form4_ = new TForm4(this);
    form5_ = new TForm5(this);
    form6_ = new TForm6(this);
    form7_ = new TForm7(this);
    form8_ = new TForm8(this);
    form9_ = new TForm9(this);
    form10_ = new TForm10(this);
}

TForm1::~TForm1() = default;
