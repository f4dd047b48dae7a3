// The drawing steps every drawing worker computes and the GUI thread paints: a line or a text of
// a picture, and the one function that paints a batch of them into an image. Workers fill steps
// on their own threads; only the GUI thread calls paintSteps().
#pragma once

#include "plot/axisticks.h"

#include <QRgb>
#include <QString>

#include <vector>

class QFont;
class QImage;
class QPainter;

struct drawStep {
    QRgb colour = 0;
    int x1 = 0, y1 = 0; // a line's start, or a text's top-left corner
    int x2 = 0, y2 = 0; // a line's end
    bool dashed = false;
    QString text;       // non-empty for a text step
    // Text only: when not 0, the text moves left as far as needed for its ink to end before
    // this x.
    int rightLimit = 0;
};

// What a pass hands over at a time: its steps up to a repaint point.
struct drawBatch {
    std::vector<drawStep> steps;
    bool repaint = false; // repaint the picture's view once the batch is painted
};

// How one kind of picture paints its steps.
struct paintStyle {
    int penWidth = 0;
    Qt::PenCapStyle cap = Qt::SquareCap; // FlatCap leaves a line's end point to the next line
    bool opaqueTexts = false;            // texts on a box of the background colour
    QRgb background = 0xff000000u;       // that colour: black, or white for print
};

// Where the texts paintSteps() draws in `font` put their ink along a line (plot/axisticks.h), so
// that labels can be laid out on the GUI thread before a pass draws them.
textInkMeasure painterInk(const QFont& font);

// Paints `steps` in order into `image`, antialiasing off and texts in `font` without
// antialiasing; runs of solid lines of one colour go to the painter in one call.
void paintSteps(QImage& image, const std::vector<drawStep>& steps, const paintStyle& style,
                const QFont& font);
// The same on any painter (a picture file being written, for instance).
void paintSteps(QPainter& painter, const std::vector<drawStep>& steps, const paintStyle& style,
                const QFont& font);
