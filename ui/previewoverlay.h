// PreviewOverlay: a transparent layer over a dialog's preview (a bitmap view) that draws what the
// bitmap cannot: a focus frame in the style's focus colour while the preview has the keyboard,
// and a message in the preview's place when there is no result to draw (why not).
// It takes no input and draws nothing else, so the bitmap shows through untouched. It assumes the
// preview is a sibling under it with the same geometry, set before the overlay is made.
#pragma once

#include <QString>
#include <QWidget>

class PreviewOverlay : public QWidget {
    Q_OBJECT
public:
    explicit PreviewOverlay(QWidget* preview);

    // The message shown in the preview's place; empty shows none.
    void setMessage(const QString& message);
    const QString& message() const { return message_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* preview_;
    QString message_;
};
