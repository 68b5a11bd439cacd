#include "ui/commands.h"

#include <string>

#include "support/numeric.h"
#include "ui/about.h"

namespace trivex::ui {

namespace {

constexpr int16_t kBackspace = 8;
constexpr int16_t kEnter = 13;

bool IsCallSignCharacter(int16_t code) {
    return (code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9') || code == '-' || code == '.' ||
           code == kBackspace;
}

// The item's number in its menu, counted from 1 at the menu's first item.
int ItemNumber(Command item, Command first) {
    return static_cast<int>(item) - static_cast<int>(first) + 1;
}

}  // namespace

void Commands::Execute(Command command) {
    switch (command) {
        case Command::FileSave:
            return target_.SaveSettings();
        case Command::FileExit:
            return target_.Exit();
        case Command::OptionsReplot:
        case Command::OptionsLogPairs:
        case Command::OptionsShowEstimate:
            return SetOption(command, !Option(command));
        case Command::Ignore1:
        case Command::Ignore2:
        case Command::Ignore3:
        case Command::Ignore4:
        case Command::Ignore5:
        case Command::Ignore6:
            return SelectIgnoreDistance(ItemNumber(command, Command::Ignore1));
        case Command::Thickness1:
        case Command::Thickness2:
        case Command::Thickness3:
        case Command::Thickness4:
            return SelectLineThickness(ItemNumber(command, Command::Thickness1));
        case Command::Plot:
            return target_.Plot();
        case Command::HelpHelp:
            return platform_.ShellOpen(files_.htmlHelpFile, true);
        case Command::About:
            return OpenAbout();
    }
}

std::optional<int16_t> Commands::OnCallSignKey(int16_t code) {
    if (handlers_.Ended()) return std::nullopt;
    const int16_t key = platform_.UpperCaseKey(code);
    if (IsCallSignCharacter(key)) return key;
    if (key == kEnter) {
        handlers_.Run([this] { target_.Plot(); });
        return key;
    }
    view_.Beep();
    return std::nullopt;
}

void Commands::OpenAbout() {
    if (!aboutOpen_) view_.OpenAbout(MakeAboutContent(files_.appTitle, platform_.LegalCopyright()));
    aboutOpen_ = true;
}

void Commands::CloseAbout() {
    if (aboutOpen_) view_.CloseAbout();
    aboutOpen_ = false;
}

void Commands::OpenWebAddress() {
    platform_.ShellOpen(kWebAddress, false);
}

void Commands::Apply(const Settings& settings) {
    SelectLineThickness(settings.plotLineThickness);
    SelectIgnoreDistance(settings.ignoreItem);
    SetOption(Command::OptionsReplot, settings.replotAfterMapIsRedrawn);
    SetOption(Command::OptionsLogPairs, settings.logPairResults);
    SetOption(Command::OptionsShowEstimate, settings.showBestEstimate);
}

void Commands::SelectIgnoreDistance(int item) {
    for (int n = 1; n <= kIgnoreItems; ++n) view_.SetChecked(IgnoreItem(n), false);
    view_.SetChecked(IgnoreItem(item), true);
    settings_.ignoreItem = item;
    const std::string caption = IgnoreItemCaption(item);
    settings_.ignoreDistance = support::NumericPrefix(caption.substr(0, caption.find(' ') + 1)) * 1000.0;
}

void Commands::SelectLineThickness(int item) {
    for (int n = 1; n <= kThicknessItems; ++n) view_.SetChecked(ThicknessItem(n), false);
    view_.SetChecked(ThicknessItem(item), true);
    settings_.plotLineThickness = static_cast<int16_t>(item);
}

void Commands::SetOption(Command item, bool on) {
    Option(item) = on;
    view_.SetChecked(item, on);
}

bool& Commands::Option(Command item) {
    if (item == Command::OptionsLogPairs) return settings_.logPairResults;
    if (item == Command::OptionsShowEstimate) return settings_.showBestEstimate;
    return settings_.replotAfterMapIsRedrawn;
}

}  // namespace trivex::ui
