// A PlotDisplay that keeps the bearing boxes and the log.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plot/plot_display.h"

namespace trivex::plot {

struct RecordingDisplay : PlotDisplay {
    void ShowBearing(int row, const std::string& text) override { bearings.at(row) = text; }
    void AppendLog(const std::string& text) override { log.push_back(text); }
    void ShowIntersections(const std::vector<std::string>&) override {}
    void ShowSolution(const std::string&, const std::string&) override {}
    void ShowFixObject(const std::string&) override {}

    std::array<std::string, 5> bearings;
    std::vector<std::string> log;
};

}  // namespace trivex::plot
