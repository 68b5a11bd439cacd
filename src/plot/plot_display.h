// What a plot shows in the main window while it runs. What it has shown stays shown when a
// host call fails part-way.
#pragma once

#include <string>
#include <vector>

namespace trivex::plot {

class PlotDisplay {
  public:
    virtual ~PlotDisplay() = default;
    // The row's bearing box.
    virtual void ShowBearing(int row, const std::string& text) = 0;
    // The status log; each text carries its own line break.
    virtual void AppendLog(const std::string& text) = 0;
    // The intersections found, in pair order; the boxes beyond them go back to "N/A".
    virtual void ShowIntersections(const std::vector<std::string>& texts) = 0;
    // The label above the intersection boxes and the solution box.
    virtual void ShowSolution(const std::string& countText, const std::string& solutionText) = 0;
    // The label of the fix object.
    virtual void ShowFixObject(const std::string& text) = 0;
};

}  // namespace trivex::plot
