// RadioGroup: a captioned frame of radio buttons, one per row, of which exactly one is chosen.
// itemChanged() fires whenever the choice changes, whether the user clicked another item or the
// program called setItemIndex(); clicking the item already chosen changes nothing.
#pragma once

#include <QGroupBox>
#include <QStringList>

#include <initializer_list>
#include <vector>

class QRadioButton;
class BoundTexts;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* button(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
    int count() const { return static_cast<int>(buttons_.size()); }

signals:
    void itemChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    std::vector<QRadioButton*> buttons_;
};

// A group whose caption and items are source texts of the window that owns `texts`, shown in
// the language installed now and again at each of its retranslations. An item given as nullptr
// is captioned by the window itself.
RadioGroup* makeRadioGroup(BoundTexts& texts, const char* caption, std::initializer_list<const char*> items,
                           QWidget* parent);
