// The inverse Z window's panel: the system seen as poles, zeros, response and stability while the
// coefficients are typed, the 50 terms sent to the workspace, and filter designs typed back into
// the window's fields.
#include "controls.h"

#include "core/numparse.h"
#include "core/workspace.h"
#include "dsp/firdesign.h"
#include "dsp/iirdesign.h"
#include "dsp/zinverse.h"
#include "ui/filterdesigndialog.h"
#include "ui/inversezwindow.h"
#include "ui/namecorrection.h"
#include "ui/polezeroplot.h"
#include "ui/responseplot.h"
#include "ui/systemview.h"
#include "ui/typedsystem.h"

#include <QComboBox>

#include <gtest/gtest.h>

using namespace uitest::controls;
using uitest::child;
using uitest::whenModal;

namespace {

struct SystemPanelTest : testing::Test {
    tworkspace workspace;
    NameCorrectionDialog correction{workspace, nullptr};
    const QStringList windowNames{"Dirichlet", "Bartlett", "Hamming", "Hanning", "Blackman"};
    TypedSystem typed;
    std::vector<tdspvarPtr> plotted;
    InverseZWindow window{{.workspace = workspace, .nameCorrection = correction, .windowNames = windowNames,
                           .typedSystem = &typed,
                           .showVariable = [this](const tdspvarPtr& v) { plotted.push_back(v); }},
                          nullptr};

    template <class T>
    T* panelChild(const char* name) { return child<T>(window, name); }
    QString note() { return child<QLabel>(window, "StabilityNote")->text(); }
    void type(const char* numerator, const char* denominator)
    {
        Edit1(window)->setText(QString::fromLatin1(numerator));
        Edit2(window)->setText(QString::fromLatin1(denominator));
    }
    void openPanel(const std::function<void()>& act)
    {
        uitest::openAndClose(window, [&] {
            window.setPanelOpen(true);
            act();
            window.setPanelOpen(false);
        });
    }
};

} // namespace

TEST_F(SystemPanelTest, NoteAndPlaneFollowTheTypedCoefficients)
{
    openPanel([&] {
        EXPECT_EQ(window.width(), 433 + 500);
        struct row {
            const char* numerator;
            const char* denominator;
            const char* note;
        };
        const row rows[] = {
            {"0, 1", "-0.5, 1", "Sistemul este stabil."},
            {"1", "-2, 1", "Sistemul este instabil : un pol este in afara cercului unitate."},
            {"1", "1, 0, 1", "Sistemul nu este stabil : un pol este pe cercul unitate."},
            {"0", "-0.5, 1", "Numaratorul este nul. Sistemul este stabil."},
            {"1", "0, 0", "Numitorul este nul."},
            {"1e301", "1", "Coeficientii nenuli trebuie sa fie intre 1E-300 si 1E300 in valoare absoluta."},
        };
        for (const row& r : rows) {
            type(r.numerator, r.denominator);
            EXPECT_EQ(note(), QString::fromLatin1(r.note)) << r.numerator << " / " << r.denominator;
            EXPECT_EQ(panelChild<QPushButton>("SendButton")->isEnabled(), std::string(r.denominator) != "0, 0");
        }
        EXPECT_EQ(typed.numerator(), QStringLiteral("1e301"));

        // (z + 1)^2 / (z^2 - 0.25): an o with a 2 at -1, an x at +-0.5, each where the plot puts it.
        type("1, 2, 1", "-0.25, 0, 1");
        PoleZeroPlot* plane = panelChild<PoleZeroPlot>("PoleZeroPlot");
        const QImage picture = plane->grab().toImage();
        const auto at = [&](complexExtended z, int dx, int dy) {
            return picture.pixel(plane->pixelOf(z) + QPoint(dx, dy));
        };
        EXPECT_EQ(at({-1, 0}, 0, -4), qRgb(255, 255, 255)); // the o's top
        EXPECT_EQ(at({0.5L, 0}, 2, 2), qRgb(255, 80, 80));  // on the x's stroke
        EXPECT_EQ(at({-0.5L, 0}, -2, 2), qRgb(255, 80, 80));
        EXPECT_EQ(at({0.2L, 0.6L}, 0, 0), qRgb(0, 0, 0));
        // The magnitude's scale follows the response: 20 log10(4 / 0.75) at z = 1.
        EXPECT_EQ(panelChild<ResponsePlot>("ResponsePlot")->topDb(), 20);
    });
}

TEST_F(SystemPanelTest, TermsGoToTheWorkspaceThroughTheNameCheck)
{
    workspace.add("H", signalSamples::real({7}));
    openPanel([&] {
        type("0, 1", "-0.5, 1");
        panelChild<QLineEdit>("RateEdit")->setText(QStringLiteral("8000"));
        whenModal([&](QWidget* modal) {
            ASSERT_EQ(modal, &correction); // "h" is taken
            Edit1(correction)->setText(QStringLiteral("impuls"));
            Button1(correction)->click();
        });
        panelChild<QPushButton>("PlotButton")->click();
    });
    const tdspvarPtr made = workspace.findVariable("IMPULS");
    ASSERT_TRUE(made);
    ASSERT_EQ(made->sampleCount(), kSeriesTerms);
    const auto series = inverseZSeries(readCoefficients("0, 1"), readCoefficients("-0.5, 1"));
    EXPECT_TRUE(std::equal(made->real().begin(), made->real().end(), series->begin()));
    EXPECT_EQ(made->sampleRate(), 8000);
    EXPECT_EQ(made->description(), "Raspunsul la impuls al H(z) = (0, 1) / (-0.5, 1)");
    EXPECT_EQ(plotted, std::vector<tdspvarPtr>{made});
}

TEST_F(SystemPanelTest, DesignsFillTheFieldsOrSayWhyNot)
{
    struct row {
        int method, band, order, window;
        const char* cutoff;
        const char* message; // the start of the dialog's message; empty when it fits
        bool ok, filled, tapsVariable;
    };
    const row rows[] = {
        {0, 0, 16, 2, "0.1", "", true, true, true},
        {1, 1, 4, 2, "0.2", "", true, true, false},
        {2, 2, 3, 2, "0.1", "", true, true, false},
        {0, 0, 30, 2, "0.1", "Filtrul are 31 coeficienti", true, false, true},
        {1, 0, 25, 2, "0.1", "Filtrul are 26 coeficienti", false, false, false},
        {1, 0, 4, 2, "0.7", "Frecventele de taiere trebuie sa fie intre 0 si 0.5.", false, false, false},
        {1, 0, 60, 2, "0.1", "Ordinul trebuie sa fie intre 1 si 50.", false, false, false},
        {0, 0, 1, 1, "0.1", "Fereastra aleasa anuleaza filtrul", false, false, false}, // Bartlett, 2 taps
    };
    for (const row& r : rows) {
        type("1", "1");
        FilterDesignDialog* design = nullptr;
        filterDesign expected;
        openPanel([&] {
            whenModal([&](QWidget* modal) {
                design = qobject_cast<FilterDesignDialog*>(modal);
                ASSERT_TRUE(design);
                child<QComboBox>(*design, "MethodList")->setCurrentIndex(r.method);
                child<QComboBox>(*design, "BandList")->setCurrentIndex(r.band);
                child<SpinEdit>(*design, "OrderEdit")->setText(QString::number(r.order));
                child<QLineEdit>(*design, "CutoffEdit")->setText(QString::fromLatin1(r.cutoff));
                child<QComboBox>(*design, "WindowList")->setCurrentIndex(r.window);
                child<QLineEdit>(*design, "NameEdit")->setText(QStringLiteral("taps%1").arg(r.order));
                const filterParameters p{static_cast<filterBand>(r.band), r.order, *parseCellNumber(r.cutoff), 0.3L, 1};
                expected = r.method == 0 ? designWindowedFir(p, static_cast<windowShape>(r.window))
                                         : designIir(p, static_cast<iirFamily>(r.method - 1), 1);
                const std::string message = child<QLabel>(*design, "MessageLabel")->text().toStdString();
                EXPECT_TRUE(*r.message ? message.rfind(r.message, 0) == 0 : message.empty()) << r.order << ": " << message;
                EXPECT_EQ(child<QPushButton>(*design, "OkButton")->isEnabled(), r.ok) << r.order;
                child<QPushButton>(*design, r.ok ? "OkButton" : "CancelButton")->click();
            });
            panelChild<QPushButton>("DesignButton")->click();
        });
        const tdspvarPtr taps = workspace.findVariable("TAPS" + std::to_string(r.order));
        ASSERT_EQ(taps != nullptr, r.tapsVariable) << r.order;
        if (taps) {
            EXPECT_EQ(taps->real(), expected.system.b);
        }
        EXPECT_EQ(Edit1(window)->text() != "1", r.filled) << r.order;
        if (!r.filled)
            continue;
        // Typed back, the design comes out as it was designed, to the last bits.
        const transferFunction back = systemFromTypedLists(readCoefficients(Edit1(window)->text().toStdString()),
                                                           readCoefficients(Edit2(window)->text().toStdString()));
        ASSERT_EQ(back.b.size(), expected.system.b.size());
        for (std::size_t i = 0; i < back.b.size(); ++i)
            EXPECT_NEAR(static_cast<double>(back.b[i]), static_cast<double>(expected.system.b[i]), 1e-17) << i;
        ASSERT_EQ(back.a.size(), expected.system.a.size());
        for (std::size_t i = 0; i < back.a.size(); ++i)
            EXPECT_NEAR(static_cast<double>(back.a[i]), static_cast<double>(expected.system.a[i]), 1e-16) << i;
    }
}
