// ResponsePlot: the frequency response of a system on the program's black plot ground, the
// magnitude in dB above (blue) and the phase in radians below (red, from -pi to pi), both over
// 0 .. pi, or over 0 .. rate/2 in Hz when a sampling rate is given. The magnitude scale follows
// the curve in steps of 10 dB and shows at most kMaxSpanDb below its top, so that a zero on the
// unit circle does not flatten the rest. It only shows what it is given; the owner computes it.
#pragma once

#include "dsp/frequencyresponse.h"

#include <QWidget>

class ResponsePlot : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxSpanDb = 120;

    explicit ResponsePlot(QWidget* parent = nullptr);

    // The grid the owner computes the response on: finer than any width the plot is given.
    static constexpr int kPoints = 512;

    // `rate` in Hz, or 0 for none. A response with a refusing problem shows empty panels.
    void setResponse(const frequencyResponse& response, double rate);
    // The magnitude scale's top and bottom, in dB.
    int topDb() const { return topDb_; }
    int bottomDb() const { return bottomDb_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect magnitudeArea() const;
    QRect phaseArea() const;

    std::vector<double> magnitudeDb_;
    std::vector<double> phase_;
    double rate_ = 0;
    int topDb_ = 10;
    int bottomDb_ = -50;
};
