#include "ui/baseform.h"

TForm1::TForm1(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Kelmo"));
    resize(534, 337);
    setMinimumSize(320, 100);
}
