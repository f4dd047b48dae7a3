// PoleZeroPlot: the z-plane of a system, drawn on the program's black plot ground: the axes, the
// unit circle, an o for every zero and an x for every pole, with the multiplicity written beside a
// root that counts more than once. The view takes in the unit circle and every root up to
// kMaxShownRadius; a root further out is drawn on the edge in its direction and counted in a
// corner, as are the zeros at infinity. It only shows what it is given; the owner computes it.
#pragma once

#include "dsp/systemanalysis.h"

#include <QWidget>

class PoleZeroPlot : public QWidget {
    Q_OBJECT
public:
    // Roots further from the origin than this are drawn on the edge.
    static constexpr double kMaxShownRadius = 4;

    explicit PoleZeroPlot(QWidget* parent = nullptr);

    // An analysis with a refusing problem shows the empty plane.
    void setAnalysis(const systemAnalysis& analysis);
    // The radius the edge of the view stands for.
    double viewRadius() const { return radius_; }
    // The pixel where a point of the z-plane is drawn (on the edge beyond the view radius).
    QPoint pixelOf(complexExtended z) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<polynomialRoot> zeros_;
    std::vector<polynomialRoot> poles_;
    int zerosAtInfinity_ = 0;
    int beyondView_ = 0;
    double radius_ = 1.25;
};
