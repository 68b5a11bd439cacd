#include "transcript.h"

#include <utility>

#include "plot/stations.h"
#include "render/summary.h"

namespace trivex::simkit {

using json::Json;

namespace {

using ui::ControlId;

template <typename BoxOfRow>
Json RowTexts(ui::MemoryView& view, BoxOfRow box) {
    Json::Array texts;
    for (int row = 0; row < plot::kStationCount; ++row) texts.emplace_back(view.Text(box(row)));
    return texts;
}

Json AboutJson(const std::optional<ui::AboutContent>& about) {
    if (!about) return nullptr;
    return Json::Object{
        {"caption", about->caption},
        {"labels", Json::Object{{"Label1", about->title},
                                {"Label2", about->author},
                                {"Label3", about->description},
                                {"Label5", about->legalText},
                                {"Label6", about->disclaimer},
                                {"lblWebURL", about->webAddress}}},
    };
}

Json RecordJson(const sim::ObjectRecord& record) {
    Json::Object fields;
    sim::ForEachField(record,
                      [&fields](const char* name, const auto& value) { fields.emplace_back(name, value); });
    return fields;
}

Json ArgJson(const sim::JournalArg& arg) {
    return std::visit(
        [](const auto& value) -> Json {
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, sim::ObjectRecord>)
                return RecordJson(value);
            else
                return value;
        },
        arg);
}

Json CheckedItemJson(ui::MemoryView& view, ui::Command first, int count) {
    const int item = render::CheckedItem(view, first, count);
    return item == 0 ? Json() : Json(item);
}

}  // namespace

Json WindowJson(ui::MemoryView& view) {
    const ui::WindowPosition position = view.Position();
    return Json::Object{
        {"caption", view.Caption()},
        {"left", position.left},
        {"top", position.top},
        {"minimised", view.IsMinimised()},
        {"callsigns", RowTexts(view, ui::CallSignBox)},
        {"bearings", RowTexts(view, ui::BearingBox)},
        {"intersections", RowTexts(view, ui::IntersectBox)},
        {"label3", view.Text(ControlId::IntersectionCount)},
        {"solution", view.Text(ControlId::Solution)},
        {"object", view.Text(ControlId::ObjectLabel)},
        {"log", view.Text(ControlId::Status)},
        {"replot", view.IsChecked(ui::Command::OptionsReplot)},
        {"logPairs", view.IsChecked(ui::Command::OptionsLogPairs)},
        {"ignoreItem", CheckedItemJson(view, ui::Command::Ignore1, ui::kIgnoreItems)},
        {"thicknessItem", CheckedItemJson(view, ui::Command::Thickness1, ui::kThicknessItems)},
        {"about", AboutJson(view.About())},
    };
}

Json JournalJson(const std::vector<sim::JournalEntry>& journal) {
    Json::Array entries;
    for (const sim::JournalEntry& entry : journal) {
        Json::Array args;
        for (const sim::JournalArg& arg : entry.args) args.push_back(ArgJson(arg));
        entries.emplace_back(Json::Object{{"call", entry.call}, {"args", std::move(args)}});
    }
    return entries;
}

Json MessagesJson(const std::vector<ui::MessageBoxRecord>& messages) {
    Json::Array boxes;
    for (const ui::MessageBoxRecord& box : messages)
        boxes.emplace_back(
            Json::Object{{"style", static_cast<int>(box.style)}, {"title", box.title}, {"text", box.text}});
    return boxes;
}

Json TextsJson(const std::vector<std::string>& texts) {
    return Json::Array(texts.begin(), texts.end());
}

Json FileJson(const std::optional<std::string>& content) {
    return content ? Json(*content) : Json();
}

void TranscriptWriter::Step(const Json& step) {
    constexpr size_t kStepIndent = 4;
    std::string text = std::exchange(first_, false) ? "{\n  \"steps\": [\n    " : ",\n    ";
    step.Write(text, kStepIndent, kStepIndent);
    out_ << text;
}

void TranscriptWriter::Finish() {
    out_ << (first_ ? "{\"steps\": []}\n" : "\n  ]\n}\n");
}

}  // namespace trivex::simkit
