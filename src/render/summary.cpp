#include "summary.h"

#include <sstream>
#include <vector>

#include "plot/stations.h"

namespace trivex::render {

namespace {

constexpr size_t kLogLinesShown = 12;
constexpr int kCallSignColumn = 11;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Padded(std::string text, size_t width) {
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string ItemText(int item, const std::string& caption) {
    return item == 0 ? "none" : caption;
}

void WriteRows(std::ostream& out, ui::MemoryView& view) {
    out << "Row  " << Padded("Call-sign", kCallSignColumn) << "Bearing +/- accuracy\n";
    for (int row = 0; row < plot::kStationCount; ++row)
        out << "  " << row + 1 << "  " << Padded(view.Text(ui::CallSignBox(row)), kCallSignColumn)
            << view.Text(ui::BearingBox(row)) << "\n";
}

void WriteResults(std::ostream& out, ui::MemoryView& view) {
    out << "\n" << view.Text(ui::ControlId::IntersectionCount) << ":\n";
    for (int row = 0; row < plot::kStationCount; ++row)
        out << "  " << view.Text(ui::IntersectBox(row)) << "\n";
    out << "Solution: " << view.Text(ui::ControlId::Solution) << "\n";
    out << "Object:   " << view.Text(ui::ControlId::ObjectLabel) << "\n";
}

void WriteOptions(std::ostream& out, ui::MemoryView& view) {
    const int ignore = CheckedItem(view, ui::Command::Ignore1, ui::kIgnoreItems);
    const int thickness = CheckedItem(view, ui::Command::Thickness1, ui::kThicknessItems);
    out << "Options:  replot after redraw " << (view.IsChecked(ui::Command::OptionsReplot) ? "on" : "off")
        << ", ignore beyond " << ItemText(ignore, ignore ? ui::IgnoreItemCaption(ignore) : "")
        << ", line thickness " << ItemText(thickness, std::to_string(thickness)) << ", log pair results "
        << (view.IsChecked(ui::Command::OptionsLogPairs) ? "on" : "off") << "\n";
}

void WriteLog(std::ostream& out, ui::MemoryView& view) {
    const std::vector<std::string> lines = Lines(view.Text(ui::ControlId::Status));
    const size_t first = lines.size() > kLogLinesShown ? lines.size() - kLogLinesShown : 0;
    out << "\nStatus log (" << (first ? "last " + std::to_string(kLogLinesShown) + " of " : "")
        << lines.size() << " lines):\n";
    for (size_t i = first; i < lines.size(); ++i) out << "  " << lines[i] << "\n";
}

void WriteMessages(std::ostream& out, const MessageTally& messages) {
    if (!messages.last) return;
    out << "\nMessage boxes (" << messages.count << "), the last:\n";
    const ui::MessageBoxRecord& last = *messages.last;
    out << "  [" << static_cast<int>(last.style) << "] " << last.title << "\n";
    for (const std::string& line : Lines(last.text)) out << "  " << line << "\n";
}

}  // namespace

int CheckedItem(ui::MemoryView& view, ui::Command first, int count) {
    for (int item = 1; item <= count; ++item)
        if (view.IsChecked(static_cast<ui::Command>(static_cast<int>(first) + item - 1))) return item;
    return 0;
}

std::string SummaryText(ui::MemoryView& view, const MessageTally& messages, bool ended,
                        const std::string& review) {
    std::ostringstream out;
    const ui::WindowPosition position = view.Position();
    out << view.Caption() << "\n";
    out << "Window at " << position.left << ", " << position.top << " twips"
        << (view.IsMinimised() ? ", minimised" : "") << (view.About() ? ", About window open" : "")
        << (ended ? "; the program has ended" : "") << "\n\n";
    WriteRows(out, view);
    WriteResults(out, view);
    WriteOptions(out, view);
    out << review;
    WriteLog(out, view);
    WriteMessages(out, messages);
    return out.str();
}

}  // namespace trivex::render
