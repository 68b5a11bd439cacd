// A PlotDisplay that keeps what the plot showed.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "plot/plot_display.h"

namespace trivex::plot {

struct RecordingDisplay : PlotDisplay {
    void ShowBearing(int row, const std::string& text) override { bearings.at(row) = text; }
    void AppendLog(const std::string& text) override { log.push_back(text); }
    void ShowIntersections(const std::vector<std::string>& texts) override { intersections = texts; }
    void ShowSolution(const std::string& countText, const std::string& solutionText) override {
        count = countText;
        solution = solutionText;
    }
    void ShowFixObject(const std::string& text) override { fixObject = text; }

    std::array<std::string, 5> bearings;
    std::vector<std::string> log;
    std::vector<std::string> intersections;
    std::string count, solution, fixObject;
};

}  // namespace trivex::plot
