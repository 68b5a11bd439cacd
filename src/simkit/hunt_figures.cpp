#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

#include "simkit/hunts.h"

namespace trivex::simkit {
namespace {

double Median(std::vector<double> values) {
    if (values.empty()) return std::nan("");
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string Text(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Share(int part, int whole) {
    return Text("%.1f%%", whole ? 100.0 * part / whole : 0.0) + " (" + std::to_string(part) + " of " +
           std::to_string(whole) + ")";
}

}  // namespace

HuntFigures FiguresOf(const std::vector<HuntOutcome>& hunts) {
    HuntFigures figures;
    figures.hunts = static_cast<int>(hunts.size());
    std::vector<double> estimateRatio, fixRatio, estimateMiss, fixMiss;
    for (const HuntOutcome& hunt : hunts) {
        if (hunt.fixMissKm) {
            ++figures.fixes;
            fixRatio.push_back(*hunt.fixMissKm / hunt.boundKm);
        }
        if (!hunt.estimateMissKm) continue;
        ++figures.estimates;
        figures.ellipseHolds += hunt.ellipseHolds;
        estimateRatio.push_back(*hunt.estimateMissKm / hunt.boundKm);
        figures.reflected += hunt.reflected;
        figures.reflectedLeftOut += hunt.reflectedLeftOut;
        figures.othersLeftOut += hunt.othersLeftOut;
        if (!hunt.fixMissKm) continue;
        ++figures.both;
        estimateMiss.push_back(*hunt.estimateMissKm);
        fixMiss.push_back(*hunt.fixMissKm);
    }
    figures.estimateEfficiency = Median(estimateRatio);
    figures.fixEfficiency = Median(fixRatio);
    figures.estimateMedianKm = Median(estimateMiss);
    figures.fixMedianKm = Median(fixMiss);
    return figures;
}

void WriteHuntFigures(std::ostream& out, const HuntOptions& options, const HuntFigures& figures) {
    out << "hunts: " << figures.hunts << ", seed " << options.seed
        << (options.reflect ? ", one bearing of four or five reflected" : "") << "\n";
    out << "95% ellipse holds the transmitter: " << Share(figures.ellipseHolds, figures.estimates) << "\n";
    out << "median miss / sqrt(trace of the Cramer-Rao bound): estimate "
        << Text("%.3f", figures.estimateEfficiency) << ", fix " << Text("%.3f", figures.fixEfficiency)
        << "\n";
    out << "median miss, hunts with both: estimate " << Text("%.3f", figures.estimateMedianKm) << " km, fix "
        << Text("%.3f", figures.fixMedianKm) << " km, ratio "
        << Text("%.3f", figures.estimateMedianKm / figures.fixMedianKm) << " (" << figures.both
        << " hunts)\n";
    out << "estimate without fix: " << figures.estimates - figures.both
        << ", fix without estimate: " << figures.fixes - figures.both << "\n";
    if (options.reflect)
        out << "reflected bearing left out: " << Share(figures.reflectedLeftOut, figures.reflected) << "\n";
    out << "good bearings left out: " << figures.othersLeftOut << "\n";
}

}  // namespace trivex::simkit
