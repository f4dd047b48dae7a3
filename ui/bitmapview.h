// BitmapView: the bitmap view. It paints the bitmap it refers to (without owning it) at its own
// (0, 0) and nothing else, and reports clicks (left button pressed and released over it) and
// mouse moves (also with no button down). Every instance is 384 x 289 and refers to the plot
// bitmap; the bitmap must outlive the view or be unset first.
#pragma once

#include <QWidget>

class BitmapView : public QWidget {
    Q_OBJECT
public:
    explicit BitmapView(QWidget* parent = nullptr);
    void setBitmap(const QImage* bitmap);
    const QImage* bitmap() const { return bitmap_; }

signals:
    void clicked(QPoint position);
    void mouseMoved(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage* bitmap_ = nullptr;
    bool pressed_ = false;
};
