// GraphWindow: the graph window "Grafic". It plots one variable, or two overlaid, in the
// cartesian or the modulus-and-phase view with optional logarithmic axes, or as a spectrum (x in
// Hz from the variable's sample rate, y in dB above a floor), and reads off sample values and
// slopes (in the spectrum view frequencies and levels) under the mouse or at a cursor the keys
// move. It only issues plot requests; the plot worker draws the whole curve at the default size
// into the shared plot bitmap, exactly as it always has, and every other picture (zoomed,
// resized, at a screen's device pixel ratio, the spectrum) is drawn by the frame worker into the
// window's own image (frameplotter.h). tBmpLnk1 shows whichever is current. The main window sets
// the current variable and then calls exec(); each showing refills the lists from the
// workspace, which it only reads. The window's event handlers are in graphwindow.cpp, the zoom,
// the cursor and the readout in graphwindowview.cpp.
#pragma once

#include "plot/peaks.h"
#include "plot/plotscale.h"
#include "plot/viewrange.h"
#include "ui/boundtexts.h"
#include "ui/plotcurves.h"
#include "ui/plotframe.h"
#include "ui/workerthread.h"

#include <QDialog>
#include <QStringList>
#include <QImage>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;
class CursorReadout;
class FramePlot;
class PlotLegend;
class PlotRequest;
class PlotView;
class tdspvar;
class tworkspace;

class GraphWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 533;
    static constexpr int kDefaultHeight = 307;

    struct Collaborators {
        const tworkspace& workspace;
        QImage& plotBitmap;        // what the plot is drawn into, shared with the previews
        threadStarter startThread; // makes the plot's drawing threads (empty: pthread_create)
    };
    GraphWindow(const Collaborators& with, QWidget* parent);
    ~GraphWindow() override;

    // What the toggles ask of the plot now.
    plotMode mode() const;
    graphView view() const;
    PlotRequest& plot() { return *plot_; }
    FramePlot& frame() { return *frame_; }
    const QImage& plotBitmap() const { return plotBitmap_; }
    // The picture the window shows now, and whether a worker is still drawing it.
    const QImage& shownPicture() const;
    bool drawing() const;
    // The shown part of the first variable's positions (samples, or spectrum bins).
    const viewRange& range() const { return range_; }
    // The variable the first list starts on at the next showing (none: the first one).
    void setCurrentVariable(std::shared_ptr<tdspvar> variable) { current_ = std::move(variable); }
    // The variables shown now (the second may be null).
    std::shared_ptr<tdspvar> firstVariable() const;
    std::shared_ptr<tdspvar> secondVariable() const;
    // The picture as the window would draw it at `size` pixels, as on the screen or for print
    // (with axis titles and the legend).
    frameRequest pictureRequest(QSize size, qreal scale, bool forPrint) const;
    // The keyboard cursor's position, if the keys or a click have set it.
    std::optional<std::int64_t> cursor() const { return cursor_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // graphwindow.cpp: the window's event handlers.
    void bindTexts();
    void prepareForShow();
    void variablesChanged();
    void secondVariableToggled();
    void polarToggled();
    void logYToggled();
    void logXToggled();
    void spectrumToggled();
    void togglePolar();
    void toggleLogY();
    void toggleLogX();
    void toggleSpectrum();
    void chooseLayout(spectrumLayout layout);
    std::shared_ptr<tdspvar> selectedVariable(const QComboBox* box) const;
    void requestPlot();
    static QStringList textLines(const std::vector<std::string>& lines);

    // graphwindowview.cpp: the picture, the zoom, the cursor and the readout.
    bool classicPicture() const;
    bool zoomable() const;
    int plotColumns() const;
    void layOutPlot();
    void updateLegend();
    void zoomAt(int column, double factor);
    void panBy(int columns);
    void zoomToColumns(int from, int to);
    void showWhole();
    void stepCursor(int direction, bool toPeak);
    void placeCursor(QPoint position);
    void showReadout(QPoint position);
    void showReadoutAt(std::int64_t position);
    // Shows the readout's lines in the language installed now, and keeps them for a change of it.
    void showReadoutLines(std::vector<std::string> lines);
    std::int64_t positionAt(QPoint position) const;
    void updateMarker();
    const peakIndex& peaks();
    extended spectrumFloor(const tdspvar& variable);

    // The controls, by role; each carries the name the program's texts give it as its objectName.
    QLabel* firstLabel_;          // Label1, "Variabila 1"
    QComboBox* firstList_;        // ComboBox1
    QCheckBox* secondBox_;        // CheckBox1, "Variabila 2"
    QComboBox* secondList_;       // ComboBox2
    CursorReadout* readout_;      // Memo1
    QLabel* polarLabel_;          // Label2, "Cartezian / &Polar"
    QToolButton* polarButton_;    // SpeedButton3
    QLabel* logYLabel_;           // Label3, "Axa &Y logaritmica"
    QToolButton* logYButton_;     // SpeedButton1
    QLabel* logXLabel_;           // Label4, "Axa &X logaritmica"
    QToolButton* logXButton_;     // SpeedButton2
    QLabel* spectrumLabel_;       // Label5, "&Spectru"
    QToolButton* spectrumButton_; // SpeedButton4
    PlotView* plotView_;          // tBmpLnk1
    PlotLegend* legend_;          // Legend1
    QMenu* layoutMenu_;           // LayoutMenu1: the spectrum's layouts and the whole curve
    std::array<QAction*, 3> layoutActions_{};

    BoundTexts texts_{"GraphWindow"};
    std::vector<std::string> readoutLines_; // as the graph makes them, in the source language
    const tworkspace& workspace_;
    QImage& plotBitmap_;
    QImage frameImage_;
    std::shared_ptr<tdspvar> current_;
    std::unique_ptr<PlotRequest> plot_;
    std::unique_ptr<FramePlot> frame_;

    spectrumLayout layout_ = spectrumLayout::full;
    viewRange range_;
    // What the range is over: its variable and view; a change shows the whole curve again.
    struct rangeSubject {
        const tdspvar* first = nullptr;
        bool spectrum = false;
        spectrumLayout layout = spectrumLayout::full;
        friend bool operator==(const rangeSubject&, const rangeSubject&) = default;
    } rangeOf_;
    std::uint64_t generation_ = 0; // counts the showings: samples may have changed between them
    std::optional<std::int64_t> cursor_;
    std::int64_t pointed_ = 0;     // the position under the mouse last
    // The cursor's local maxima and the spectrum floors, kept for the data they were made of.
    struct peakCache {
        const tdspvar* variable = nullptr;
        std::uint64_t generation = 0;
        graphView view;
        peakIndex peaks;
    } peaks_;
    struct floorCache {
        const tdspvar* variable = nullptr;
        std::uint64_t generation = 0;
        extended floorDb = 0;
    };
    std::array<floorCache, 2> floors_;
};
