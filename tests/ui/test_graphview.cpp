// The graph window beyond its default picture: the spectrum view read with the keyboard cursor,
// zooming and its limits, the picture coming back whole, resizing with the legend, and inputs
// that must neither crash nor change a variable.
#include "controls.h"

#include "core/workspace.h"
#include "dsp/resultinfo.h"
#include "dsp/sampling.h"
#include "ui/frameplotter.h"
#include "ui/graphwindow.h"
#include "ui/plotbitmap.h"
#include "ui/plotlegend.h"
#include "ui/plotpicture.h"
#include "ui/plotview.h"
#include "ui/filedialogs.h"
#include "io/loadcallbacks.h"

#include <QTemporaryDir>
#include <QSpinBox>

#include <QKeyEvent>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

using namespace uitest::controls;

namespace {

class GraphViewTest : public ::testing::Test {
protected:
    tworkspace workspace;
    QImage bitmap = makePlotBitmap();
    GraphWindow graph{{.workspace = workspace, .plotBitmap = bitmap, .startThread = {}}, nullptr};

    void TearDown() override
    {
        graph.close();
        waitIdle();
    }
    void open(const tdspvarPtr& v)
    {
        graph.setCurrentVariable(v);
        graph.show();
        graph.activateWindow();
        ASSERT_TRUE(uitest::windowActive(&graph));
        ASSERT_TRUE(waitIdle());
    }
    bool waitIdle() { return uitest::waitUntil([this] { return !graph.drawing(); }); }
    PlotView* view() { return static_cast<PlotView*>(tBmpLnk1(graph)); }
    void key(Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) { QTest::keyClick(view(), k, m); }
    void wheel(int x, int notches)
    {
        QWheelEvent e(QPointF(x, 50), view()->mapToGlobal(QPointF(x, 50)), QPoint(), QPoint(0, 120 * notches),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view(), &e);
    }
    QStringList readout() { return Memo1(graph)->toPlainText().split('\n'); }
};

// The level in dB of a readout line "|X| = 54.19 dB".
double levelOf(const QString& line)
{
    return line.section(' ', 2, 2).replace(',', '.').toDouble();
}

} // namespace

// The lab exercise: 1024 samples of sin(2 pi 50 t) + 0.5 sin(2 pi 120 t) at 1024 Hz, transformed,
// then read in the spectrum view by jumping to the next local maximum twice.
TEST_F(GraphViewTest, SpectrumPeaksReadInHertzAndDecibels)
{
    signalSamples tone;
    for (int n = 0; n < 1024; ++n) {
        const extended t = n / 1024.0L;
        tone.re.push_back(std::sin(2 * kPi * 50 * t) + 0.5L * std::sin(2 * kPi * 120 * t));
    }
    const tdspvarPtr signal = workspace.add("TONE", std::move(tone), {"", 1024});
    sampleBuffer spectrum;
    const processingRequest fourier{.type = processingType::fourier, .source = signal.get()};
    ASSERT_TRUE(runProcessing(fourier, spectrum));
    const tdspvarPtr transformed = workspace.add("TONE_FOURIER", samplesFromBuffer(spectrum, true),
                                                 processingResultInfo(fourier, spectrum.count, "F"));
    const signalSamples before = transformed->samples();
    open(transformed);
    QTest::keyClick(&graph, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(SpeedButton4(graph)->isChecked());
    ASSERT_TRUE(waitIdle());
    view()->setFocus();
    key(Qt::Key_Right, Qt::ShiftModifier);
    const QStringList first = readout();
    ASSERT_EQ(first.size(), 4) << first.join('|').toStdString();
    EXPECT_EQ(first[0], "Pozitie 1 :50");
    EXPECT_EQ(first[2], "f = 50.0 Hz");
    key(Qt::Key_Right, Qt::ShiftModifier);
    const QStringList second = readout();
    EXPECT_EQ(second[2], "f = 120.0 Hz");
    // 20 log10 2 = 6.0206 dB apart, each readout rounded to a hundredth.
    EXPECT_NEAR(levelOf(first[3]) - levelOf(second[3]), 20 * std::log10(2.0), 0.01);
    key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(readout()[2], "f = 50.0 Hz");
    key(Qt::Key_Right);
    EXPECT_EQ(readout()[2], "f = 51.0 Hz");
    EXPECT_TRUE(readout()[3].startsWith("|X| < ")); // the floor, 120 dB below the peak

    // The other layouts put the same bin at its place on their axes.
    graph.findChild<QAction*>("SpectrumCentred1")->trigger();
    ASSERT_TRUE(waitIdle());
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(readout()[2], "f = -120.0 Hz");
    EXPECT_EQ(transformed->samples().re, before.re); // reading changes nothing
}

TEST_F(GraphViewTest, ZoomStopsAtOneSamplePerColumnAndHomeGivesBackThePicture)
{
    const tdspvarPtr v = workspace.add(
        "LONG", uitest::realSamples(100000, [](int i) -> extended { return std::sin(i * 0.001L) + (i % 7) * 0.01L; }));
    const signalSamples before = v->samples();
    open(v);
    const QImage whole = graph.shownPicture().copy();
    EXPECT_EQ(&graph.shownPicture(), &bitmap); // the plot worker's picture at the default size
    struct step {
        int notches;
        std::int64_t wantCount; // 0: anything between
    };
    for (const step& s : {step{3, 0}, step{400, 384}, step{-2, 0}, step{-400, 100000}}) {
        wheel(150, s.notches);
        ASSERT_TRUE(waitIdle());
        const viewRange& r = graph.range();
        if (s.wantCount != 0) {
            EXPECT_EQ(r.count(), s.wantCount) << s.notches;
        }
        EXPECT_GE(r.count(), r.columns());
        EXPECT_GE(r.first(), 0);
        EXPECT_LE(r.first() + r.count(), 100000);
    }
    wheel(150, 5);
    QTest::keyClick(view(), Qt::Key_Home);
    ASSERT_TRUE(waitIdle());
    EXPECT_TRUE(graph.range().wholeCurve());
    EXPECT_EQ(graph.shownPicture(), whole);
    EXPECT_EQ(v->samples().re, before.re);
}

TEST_F(GraphViewTest, ResizedWindowDrawsItsPlotAtItsSizeWithALegend)
{
    const tdspvarPtr v = workspace.add("CPLX", signalSamples::complex({1, 2, 3, 4}, {0, 1, 0, -1}));
    open(v);
    auto* legend = uitest::child<PlotLegend>(graph, "Legend1");
    EXPECT_TRUE(legend->isVisible()); // modulus and phase
    ASSERT_EQ(legend->entries().size(), 2u);
    EXPECT_EQ(legend->entries()[0].name, "cplx: modul");
    EXPECT_EQ(legend->entries()[1].name, "cplx: faza");
    graph.resize(900, 500);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(view()->size(), QSize(900 - 149, 500 - 18));
    EXPECT_EQ(graph.shownPicture().size(), view()->size() * view()->imageScale());
    QTest::mouseClick(SpeedButton3(graph), Qt::LeftButton); // cartesian: real and imaginary parts
    EXPECT_EQ(legend->entries()[1].name, "cplx: imaginar");
    graph.resize(GraphWindow::kDefaultWidth, GraphWindow::kDefaultHeight);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(&graph.shownPicture(), &bitmap);
}

// An all-zero spectrum lies on its floor; empty and one-sample variables draw without trouble.
TEST_F(GraphViewTest, DegenerateSpectraShowTheFloor)
{
    const tdspvarPtr zeros = workspace.add("ZEROS", signalSamples::complex(std::vector<extended>(64), std::vector<extended>(64)));
    const tdspvarPtr one = workspace.add("ONE", signalSamples::real({5}));
    const tdspvarPtr none = workspace.add("NONE", {});
    for (const tdspvarPtr& v : {zeros, one, none}) {
        open(v);
        if (!SpeedButton4(graph)->isChecked())
            QTest::keyClick(&graph, Qt::Key_S, Qt::AltModifier);
        ASSERT_TRUE(waitIdle());
        view()->setFocus();
        key(Qt::Key_Right);
        wheel(100, 50);
        ASSERT_TRUE(waitIdle());
        graph.close();
    }
    open(zeros);
    key(Qt::Key_Right);
    EXPECT_EQ(readout()[3], "|X| < -120.00 dB");
}

// Ctrl+S: the options, then the file; each format at a typed size for print, and the screen's
// own picture as a PNG at the window's size.
TEST_F(GraphViewTest, PicturesForAReport)
{
    const tdspvarPtr v = workspace.add("CPLX", signalSamples::complex({1, 2, 3, 4, 3, 2}, {0, 1, 0, -1, 0, 1}));
    open(v);
    struct errors : loadCallbacks {
        QStringList shown;
        dialogAnswer askName(const std::string&, bool, std::string&) override { return dialogAnswer::cancel; }
        void showError(const std::string& m) override { shown << QString::fromStdString(m); }
    } callbacks;
    QTemporaryDir folder;
    QString path;
    FileDialogs files(&graph, true, [&](fileDialogKind) { return std::optional(path); });
    addPlotPictureCommands(graph, files, callbacks);
    struct format {
        int item;
        const char* file;
        QByteArray starts;
    };
    for (const format& f : {format{0, "a.png", "\x89PNG"}, format{1, "a.svg", "<?xml"}, format{2, "a.pdf", "%PDF"}}) {
        path = folder.filePath(QString::fromLatin1(f.file));
        uitest::whenModal([&](QWidget* modal) {
            ASSERT_NE(modal, nullptr);
            modal->findChild<QComboBox*>("FormatBox")->setCurrentIndex(f.item);
            modal->findChild<QRadioButton*>("RadioButton2")->setChecked(true);
            modal->findChild<QSpinBox*>("WidthEdit")->setValue(640);
            modal->findChild<QSpinBox*>("HeightEdit")->setValue(360);
            modal->findChild<QCheckBox*>("CheckBox1")->setChecked(true);
            static_cast<QDialog*>(modal)->accept();
        });
        graph.findChild<QAction*>("SavePicture1")->trigger();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << f.file;
        EXPECT_TRUE(file.readAll().startsWith(f.starts)) << f.file;
    }
    EXPECT_TRUE(callbacks.shown.isEmpty());
    const QImage print(folder.filePath("a.png"));
    EXPECT_EQ(print.size(), QSize(640, 360));
    int white = 0;
    for (int y = 0; y < 360; ++y)
        for (int x = 0; x < 640; ++x)
            white += print.pixel(x, y) == qRgb(255, 255, 255);
    EXPECT_GT(white, 640 * 360 * 3 / 4); // dark on white
    const QImage screen = QImage::fromData(plotPictureFile(graph, {pictureFormat::png, {}, false}));
    EXPECT_EQ(screen.convertToFormat(QImage::Format_RGB32), bitmap); // the picture on the screen
}
