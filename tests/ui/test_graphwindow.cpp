// The graph window: its state at each opening, the toggles and their coupling, the keyboard,
// the cursor readout, and stopping the plot when it closes.
#include "controls.h"

#include "core/workspace.h"
#include "ui/bitmapview.h"
#include "ui/graphwindow.h"
#include "../plot/plotmodes.h"
#include "ui/graphworker.h"
#include "ui/localenumber.h"
#include "ui/plotbitmap.h"
#include "ui/cursorreadout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace uitest::controls;

namespace {

class GraphWindowTest : public ::testing::Test {
protected:
    tworkspace workspace;
    QImage bitmap = makePlotBitmap();
    GraphWindow graph{{.workspace = workspace, .plotBitmap = bitmap, .startThread = {}}, nullptr};
    tdspvarPtr real;
    tdspvarPtr complex;

    void SetUp() override
    {
        real =
            workspace.add("REAL_A", uitest::realSamples(100, [](int i) -> extended { return i % 2 ? -2 : 1; }));
        complex = workspace.add("Cplx", signalSamples::complex(std::vector<extended>(64, 0),
                                                                std::vector<extended>(64, 1)));
    }
    void TearDown() override
    {
        if (graph.isVisible())
            graph.close();
        waitIdle();
    }

    void open(const tdspvarPtr& current)
    {
        graph.setCurrentVariable(current);
        graph.show();
        graph.activateWindow();
        ASSERT_TRUE(uitest::windowActive(&graph));
    }
    bool waitIdle()
    {
        return uitest::waitUntil([this] { return !graph.drawing(); });
    }
    void moveMouse(int x)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(x, 100), QPointF(x, 100), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(tBmpLnk1(graph), &move);
    }
    QRgb at(int x, int y) const { return bitmap.pixel(x, y) | 0xff000000u; }
    bool columnHas(int x, QRgb colour) const
    {
        for (int y = 0; y < bitmap.height(); ++y)
            if (at(x, y) == colour)
                return true;
        return false;
    }
};

} // namespace

TEST_F(GraphWindowTest, OpeningOnARealVariable)
{
    open(real);
    EXPECT_EQ(graph.windowTitle(), "Grafic");
    EXPECT_EQ(graph.size(), QSize(533, 307));
    EXPECT_EQ(tBmpLnk1(graph)->geometry(), QRect(137, 12, 384, 289));
    EXPECT_EQ(ComboBox1(graph)->count(), 2);
    EXPECT_EQ(ComboBox1(graph)->currentText(), "real_a");
    EXPECT_EQ(ComboBox2(graph)->currentText(), "real_a");
    EXPECT_FALSE(ComboBox2(graph)->isEnabled());
    EXPECT_FALSE(CheckBox1(graph)->isChecked());
    EXPECT_FALSE(SpeedButton3(graph)->isEnabled());
    EXPECT_TRUE(SpeedButton3(graph)->isChecked()); // down since creation
    EXPECT_EQ(graph.mode(), kReal);
    ASSERT_TRUE(waitIdle());
    // Cartesian: the alternating samples 1 and -2 in white, nothing in blue.
    EXPECT_EQ(at(383, 150), qRgb(0, 128, 0));
    int white = 0, blue = 0;
    for (int y = 0; y < 289; ++y) {
        white += at(100, y) == qRgb(255, 255, 255);
        blue += at(100, y) == qRgb(0, 0, 255);
    }
    EXPECT_GT(white, 50);
    EXPECT_EQ(blue, 0);
}

TEST_F(GraphWindowTest, OpeningOnAComplexVariable)
{
    open(complex);
    EXPECT_EQ(ComboBox1(graph)->currentText(), "cplx");
    EXPECT_TRUE(SpeedButton3(graph)->isEnabled());
    EXPECT_EQ(graph.mode(), kPolar);
    ASSERT_TRUE(waitIdle());
    EXPECT_EQ(at(100, 81), qRgb(255, 0, 0)); // phase pi/2
    EXPECT_EQ(at(100, 0), qRgb(0, 0, 255));  // constant modulus at the top
}

TEST_F(GraphWindowTest, LogYComesWithTheModulusView)
{
    open(real);
    QTest::keyClick(&graph, Qt::Key_Y, Qt::AltModifier);
    EXPECT_TRUE(SpeedButton1(graph)->isChecked());
    EXPECT_TRUE(SpeedButton3(graph)->isChecked());
    EXPECT_FALSE(SpeedButton3(graph)->isEnabled());
    EXPECT_EQ(graph.mode(), kRealLogY);
    ASSERT_TRUE(waitIdle()); // a real variable, yet its modulus in blue and its phase in red
    EXPECT_TRUE(columnHas(100, qRgb(0, 0, 255)));
    EXPECT_TRUE(columnHas(100, qRgb(255, 0, 0)));
    EXPECT_FALSE(columnHas(100, qRgb(255, 255, 255)));
    // The polar toggle cannot be operated while disabled.
    QTest::keyClick(&graph, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(SpeedButton3(graph)->isChecked());
    EXPECT_TRUE(SpeedButton1(graph)->isChecked());

    // On a complex variable, releasing the polar toggle releases log Y.
    ComboBox1(graph)->setCurrentIndex(1);
    EXPECT_TRUE(SpeedButton3(graph)->isEnabled());
    EXPECT_EQ(graph.mode(), kPolarLogY);
    QTest::keyClick(&graph, Qt::Key_P, Qt::AltModifier);
    EXPECT_FALSE(SpeedButton3(graph)->isChecked());
    EXPECT_FALSE(SpeedButton1(graph)->isChecked());
    EXPECT_EQ(graph.mode(), kCartesian);
    QTest::mouseClick(SpeedButton1(graph), Qt::LeftButton);
    EXPECT_TRUE(SpeedButton3(graph)->isChecked());
    EXPECT_EQ(graph.mode(), kPolarLogY);
    QTest::keyClick(&graph, Qt::Key_X, Qt::AltModifier);
    EXPECT_EQ(graph.mode(), kPolarLogYLogX);
    QTest::mouseClick(Label4(graph), Qt::LeftButton);
    EXPECT_EQ(graph.mode(), kPolarLogY);
    QTest::mouseClick(Label3(graph), Qt::LeftButton);
    EXPECT_FALSE(SpeedButton1(graph)->isChecked());
    EXPECT_TRUE(SpeedButton3(graph)->isChecked());
}

TEST_F(GraphWindowTest, TogglesStayButTheSecondVariableIsClearedAtEachOpening)
{
    open(real);
    QTest::mouseClick(SpeedButton2(graph), Qt::LeftButton);
    CheckBox1(graph)->click();
    EXPECT_TRUE(ComboBox2(graph)->isEnabled());
    // Ticking the box does not re-evaluate the polar toggle; the next selection change does.
    ComboBox2(graph)->setCurrentIndex(1);
    EXPECT_TRUE(SpeedButton3(graph)->isEnabled());
    graph.close();

    open(real);
    EXPECT_TRUE(SpeedButton2(graph)->isChecked());
    EXPECT_FALSE(CheckBox1(graph)->isChecked());
    EXPECT_FALSE(ComboBox2(graph)->isEnabled());
    EXPECT_EQ(ComboBox2(graph)->currentIndex(), 0);
    EXPECT_FALSE(SpeedButton3(graph)->isEnabled());
    EXPECT_EQ(graph.mode(), kRealLogX);
    QTest::mouseClick(SpeedButton2(graph), Qt::LeftButton);
    EXPECT_EQ(graph.mode(), kReal);
}

TEST_F(GraphWindowTest, CursorReadout)
{
    open(real);
    moveMouse(383); // 383/384 of 100 samples
    EXPECT_EQ(Memo1(graph)->toPlainText(), "Pozitie 1 :99\nValoare : 2\nPanta : -1");
    moveMouse(0);
    EXPECT_EQ(Memo1(graph)->toPlainText(), "Pozitie 1 :0\nValoare : 1\nPanta : 1");

    QTest::mouseClick(SpeedButton2(graph), Qt::LeftButton);
    QTest::mouseClick(SpeedButton1(graph), Qt::LeftButton);
    moveMouse(0); // trunc(100 / e) = 36: modulus 1, then 2
    EXPECT_EQ(Memo1(graph)->toPlainText(),
              QString("Pozitie 1 :36\nValoare : 1\nPanta : 505,97db/dec")
                  .replace(',', QLatin1Char(localeDecimalSeparator())));

    CheckBox1(graph)->click();
    ComboBox2(graph)->setCurrentIndex(1);
    moveMouse(383);
    const QStringList lines = Memo1(graph)->toPlainText().split('\n');
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "Pozitie 1 :99");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], "Pozitie 2 :63");
    EXPECT_EQ(lines[5], "Valoare : 1");
    EXPECT_EQ(lines[6], "Panta : 0db/dec");
}

TEST_F(GraphWindowTest, ClosingStopsALongPlot)
{
    const int count = 600000;
    const tdspvarPtr longVariable =
        workspace.add("LONG", uitest::realSamples(count, [](int i) -> extended { return i % 7; }));
    graph.setCurrentVariable(longVariable);
    const QRgb white = qRgb(255, 255, 255);
    bitmap.fill(Qt::black);
    QTimer closer; // closes the window once the curve has begun at the left
    QObject::connect(&closer, &QTimer::timeout, &graph, [&] {
        if (columnHas(1, white))
            graph.close();
    });
    closer.start(1);
    graph.exec();
    closer.stop();
    ASSERT_TRUE(waitIdle());
    EXPECT_FALSE(columnHas(370, white)); // the curve never got near the right edge
    EXPECT_EQ(at(383, 100), qRgb(0, 128, 0)); // what was drawn stays
}

// The readout is the window's only numeric output: read-only and never focused, yet in the
// window's own text colour rather than greyed, and every line it can produce shows whole. The
// widest lines come from the largest count (2^20), 4-digit exponents and both slope units; one
// variable gives 3 lines, two give 7.
TEST_F(GraphWindowTest, ReadoutIsLegibleAndShowsEveryLineWhole)
{
    open(real);
    auto* readout = uitest::child<CursorReadout>(graph, "Memo1");
    EXPECT_TRUE(readout->isEnabled());
    EXPECT_TRUE(readout->isReadOnly());
    EXPECT_EQ(readout->focusPolicy(), Qt::NoFocus);
    const QColor text = readout->palette().color(QPalette::Text);
    const QColor back = readout->palette().color(QPalette::Base);
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double lighter = std::max(luminance(text), luminance(back));
    const double darker = std::min(luminance(text), luminance(back));
    EXPECT_GE((lighter + 0.05) / (darker + 0.05), 4.5); // legible contrast

    const QStringList widest = {
        "Pozitie 1 :1048576",      "Valoare : 8.8888E-2476",    "Panta : -8.8888E-2495/dec",
        "",                        "Pozitie 2 :1048576",        "Valoare : 7.0711E-301",
        "Panta : -8.8888E-19db/dec"};
    const QStringList others = {"Panta : -6.0206db/dec", "Panta : -8.8888E11db/dec", "Panta : -INF/dec"};
    // Ink: pixels that differ from the background.
    const auto inkColumns = [&](const QImage& image) {
        std::vector<bool> ink(static_cast<std::size_t>(image.width()));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != back)
                    ink[static_cast<std::size_t>(x)] = true;
        return ink;
    };
    // The spectrum view's four lines a variable, the frequency of 2^20 bins without a rate.
    const QStringList spectrum = {"Pozitie 1 :1048575", "Valoare : 8.8888E-2476", "f = -0.0000010 cicluri/esantion",
                                  "|X| < -48295.45 dB", "", "Pozitie 2 :1048575", "Valoare : 7.0711E-301",
                                  "f = -499999999.9999 Hz", "|X| = -6013.02 dB"};
    std::vector<QStringList> cases = {widest, spectrum};
    for (const QString& line : widest + others)
        cases.push_back({line});
    for (const QStringList& lines : cases) {
        SCOPED_TRACE(lines.join(" | ").toStdString());
        readout->showLines(lines);
        // The same text in the same font, without any width limit: no ink may lie beyond what
        // the readout shows, and every line must fit in its height.
        CursorReadout unlimited;
        unlimited.resize(1000, 400);
        unlimited.setFont(readout->font());
        unlimited.setPlainText(lines.join('\n'));
        const std::vector<bool> ink = inkColumns(unlimited.grab().toImage());
        const int room = readout->lineRoom();
        for (int x = room + 1; x < static_cast<int>(ink.size()); ++x)
            ASSERT_FALSE(ink[static_cast<std::size_t>(x)]) << "cut at " << room << ", ink at " << x;
        const QFontMetrics metrics(readout->font());
        EXPECT_LE(lines.size() * metrics.lineSpacing() + 2, readout->viewport()->height());
        EXPECT_GE(QFontInfo(readout->font()).pixelSize(), 8); // still legible
    }
}
