// SpinEdit: an integer field with up and down arrows whose text the user types freely, up to a
// length limit and with only digits, signs and the decimal point, as the dialogs' count fields
// need: the owner reads the text itself and decides what an invalid or out-of-range text means.
// The arrows (and the Up and Down keys) step the value by 1 within the range; leaving the field
// pulls a number outside the range to the nearest bound.
#pragma once

#include <QWidget>

#include <optional>

class QLineEdit;
class QToolButton;

class SpinEdit : public QWidget {
    Q_OBJECT
public:
    explicit SpinEdit(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    void setMaxLength(int length);
    QString text() const;
    void setText(const QString& text);
    // The text as an integer pulled into the range; the minimum when it is not an integer.
    int value() const;
    void setValue(int value);
    QLineEdit* lineEdit() const { return edit_; }

    // An optional sign followed by at least one digit, and nothing else.
    static std::optional<int> readInteger(const QString& text);

signals:
    void textChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QLineEdit* edit_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 99;
};
