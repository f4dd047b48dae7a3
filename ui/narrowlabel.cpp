#include "ui/narrowlabel.h"

#include <QLabel>

#include <algorithm>

void narrowToFit(QLabel* label, int room)
{
    label->setFont(QFont()); // the window's font again
    QFont narrow = label->font();
    int stretch = 100;
    while (label->sizeHint().width() > room && stretch > 50) {
        stretch = std::max(50, std::min(stretch - 1, stretch * room / label->sizeHint().width()));
        narrow.setStretch(stretch);
        label->setFont(narrow);
    }
}
