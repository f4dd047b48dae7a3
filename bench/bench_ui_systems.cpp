// The inverse Z window's live view of H(z): what one keystroke in a coefficient field costs with
// the panel open (the series, the system, its poles and zeros, a 512-point response, and the
// plane and response plots painted at once), for 20 numerator and 20 denominator coefficients.
// Printed against the 20 ms that typing allows, and against the bare computation (system,
// analysis, response, no widget) that the window runs, for random coefficients and for a
// numerator with a 19-fold zero (the slowest case of the root grouping). Each keystroke adds or
// takes away a space after the last coefficient, so that every call recomputes the one system
// in full. Interleaved rounds of elapsed time; medians and spreads (bench/rounds.h).
#include "rounds.h"

#include "core/numformat.h"
#include "core/workspace.h"
#include "dsp/frequencyresponse.h"
#include "dsp/systemanalysis.h"
#include "dsp/zinverse.h"
#include "ui/inversezwindow.h"
#include "ui/mainwindow.h"
#include "ui/namecorrection.h"
#include "ui/polezeroplot.h"
#include "ui/responseplot.h"

#include <QApplication>
#include <QLineEdit>

#include <cstdio>
#include <random>

namespace {

using benchrounds::interleaved;
using benchrounds::millisecondsText;
using benchrounds::ratios;
using benchrounds::ratioText;

constexpr double kTypingBudgetSeconds = 0.020;
constexpr int kCoefficients = 20;
constexpr int kCalls = 10;

QString typedText(const std::vector<extended>& c)
{
    QStringList parts;
    for (const extended v : c)
        parts.append(QString::fromStdString(formatGeneral(v, 15, '.')));
    return parts.join(QStringLiteral(", "));
}

std::vector<extended> randomCoefficients(unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<extended> c(kCoefficients);
    for (extended& v : c)
        v = d(rng);
    return c;
}

void line(const char* label, InverseZWindow& window, const std::vector<extended>& numerator,
          const std::vector<extended>& denominator)
{
    auto* numeratorEdit = window.findChild<QLineEdit*>(QStringLiteral("Edit1"));
    window.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(typedText(denominator));
    auto* plane = window.findChild<PoleZeroPlot*>();
    auto* response = window.findChild<ResponsePlot*>();
    const QString texts[2] = {typedText(numerator), typedText(numerator) + QLatin1Char(' ')};
    int typed = 0;
    std::size_t found = 0;
    const auto s = interleaved(
        {[&] {
             numeratorEdit->setText(texts[++typed % 2]);
             plane->repaint();
             response->repaint();
         },
         [&] {
             const auto series = inverseZSeries(numerator, denominator);
             const transferFunction h = systemFromTypedLists(numerator, denominator);
             const systemAnalysis a = analyseSystem(h);
             const frequencyResponse r = computeFrequencyResponse(h, ResponsePlot::kPoints);
             found += a.zeros.size() + a.poles.size() + r.omega.size() + series->size();
         }},
        kCalls, benchrounds::kRounds, CLOCK_MONOTONIC);
    const std::vector<double> budget(s[0].size(), kTypingBudgetSeconds);
    std::printf("%s: keystroke %s, bare computation %s\n"
                "    keystroke / 20 ms = %s, keystroke / bare computation = %s\n",
                label, millisecondsText(s[0]).c_str(), millisecondsText(s[1]).c_str(),
                ratioText(ratios(s[0], budget)).c_str(), ratioText(ratios(s[0], s[1])).c_str());
    if (found == 0)
        std::printf("    (nothing computed)\n");
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    applyProgramFont();
    tworkspace workspace;
    NameCorrectionDialog correction(workspace, nullptr);
    const QStringList windowNames{"Dirichlet", "Bartlett", "Hamming", "Hanning", "Blackman"};
    InverseZWindow window({.workspace = workspace, .nameCorrection = correction, .windowNames = windowNames},
                          nullptr);
    window.show();
    window.setPanelOpen(true);
    QCoreApplication::processEvents();

    const std::vector<extended> denominator = randomCoefficients(4);
    line("20 + 20 random coefficients", window, randomCoefficients(3), denominator);
    std::vector<extended> binomial{1}; // (1 + z)^19
    for (int k = 0; k < kCoefficients - 1; ++k) {
        binomial.push_back(0);
        for (std::size_t i = binomial.size() - 1; i > 0; --i)
            binomial[i] += binomial[i - 1];
    }
    line("(1 + z)^19 over 20 random coefficients", window, binomial, denominator);
    return 0;
}
