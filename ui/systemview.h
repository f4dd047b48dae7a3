// SystemView: a system H(z) seen at once as its pole-zero plot, its frequency response and a note
// under them: the stability verdict, or why the system cannot be analysed (a zero denominator, a
// coefficient out of range, an order above 50 for the poles and zeros). The inverse Z window's
// panel and the filter design dialog show their system through it and call setSystem at every
// change; everything is computed there, on the GUI thread.
#pragma once

#include "dsp/transferfunction.h"

#include <QWidget>

#include <string_view>

class QLabel;
class PoleZeroPlot;
class ResponsePlot;

class SystemView : public QWidget {
    Q_OBJECT
public:
    // The pole-zero plot is a square of `planeSize` pixels at the left; the response takes the
    // rest of the width, and the note the line or two below.
    SystemView(int planeSize, QWidget* parent = nullptr);

    // Analyses `h` and shows it; `rate` in Hz puts the response over 0 .. rate/2 (0: over 0 .. pi).
    void setSystem(const transferFunction& h, double rate);
    // Empty plots and no note: there is no system to show.
    void clear();
    QString note() const;

    PoleZeroPlot* plane() const { return plane_; }
    ResponsePlot* response() const { return response_; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void showNote();

    PoleZeroPlot* plane_;    // PoleZeroPlot
    ResponsePlot* response_; // ResponsePlot
    QLabel* note_;           // StabilityNote
    // The note's parts as the analysis words them (texts that live as long as the program).
    std::string_view problem_, verdict_;
};
