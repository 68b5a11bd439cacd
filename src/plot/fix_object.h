// The fix object: one host map object at the solution, named "RDFFIX" + 0..99, whose
// comment names the stations that contributed. A new one replaces the one placed before.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/host.h"
#include "plot/plot_display.h"

namespace trivex::plot {

enum class FixPlacement { Placed, NoFreeName };

// The first of RDFFIX0..RDFFIX99 that no element 1..n of the host's object list uses; a
// name is in use when the element's characters from the second on start with it.
[[nodiscard]] std::optional<std::string> FirstFreeFixName(const std::vector<std::string>& objectList);

// Deletes the object named fixObjectName, then adds the new one under the first free name
// and leaves that name in fixObjectName. When no name is free nothing is added, the log
// says so and fixObjectName becomes empty. Uses an application object of its own (not the
// main window's) for the deletion, the list and the addition, and a new object record.
[[nodiscard]] FixPlacement PlaceFixObject(host::Host& host, float latDegrees, float lonDegrees,
                                          const std::string& comment, std::string& fixObjectName,
                                          PlotDisplay& display);

}  // namespace trivex::plot
