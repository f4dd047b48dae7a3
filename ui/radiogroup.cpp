#include "ui/radiogroup.h"

#include "ui/boundtexts.h"

#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent)
{
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_.push_back(button);
        connect(button, &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked)
                emit itemChanged(i);
        });
    }
}

int RadioGroup::itemIndex() const
{
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (buttons_[i]->isChecked())
            return static_cast<int>(i);
    return -1;
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < count())
        button(index)->setChecked(true);
}

void RadioGroup::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    // Rows share the height below the caption evenly, each button centred in its row.
    const int top = contentsRect().top();
    const int rows = std::max(1, count());
    const int rowHeight = std::max(1, (contentsRect().bottom() - top) / rows);
    const int buttonHeight = std::min(rowHeight, 17);
    for (int i = 0; i < count(); ++i)
        button(i)->setGeometry(8, top + i * rowHeight + (rowHeight - buttonHeight) / 2,
                               width() - 16, buttonHeight);
}

RadioGroup* makeRadioGroup(BoundTexts& texts, const char* caption, std::initializer_list<const char*> items,
                           QWidget* parent)
{
    auto* group = new RadioGroup(QString(), QStringList(static_cast<qsizetype>(items.size()), QString()), parent);
    texts.bind(caption, [group](const QString& t) { group->setTitle(t); });
    int i = 0;
    for (const char* item : items) {
        if (item != nullptr)
            texts.text(group->button(i), item);
        ++i;
    }
    return group;
}
