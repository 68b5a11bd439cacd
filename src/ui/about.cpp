#include "ui/about.h"

#include <array>

namespace trivex::ui {

namespace {

constexpr const char* kDisclaimer =
    "This program is provided as is, without warranty of any kind. Always check a fix on the ground "
    "before you rely on it.";

constexpr std::array<AboutControl, 9> kControls{{
    {"title", &AboutContent::title, nullptr, 840, 0, 5295, 375, true, false, false},
    {"author", &AboutContent::author, nullptr, 840, 480, 5295, 375, true, false, false},
    {"description", &AboutContent::description, nullptr, 840, 960, 5295, 735, false, false, false},
    {"websiteHeading", nullptr, "More information on this website", 840, 1800, 5295, 255, true, false, false},
    {"webAddress", &AboutContent::webAddress, nullptr, 840, 2040, 5055, 255, false, true, false},
    {"legalHeading", nullptr, "Legal", 120, 2400, 735, 255, true, false, false},
    {"legalText", &AboutContent::legalText, nullptr, 840, 2400, 5295, 495, false, false, false},
    {"disclaimer", &AboutContent::disclaimer, nullptr, 840, 3000, 4095, 855, false, false, false},
    {"ok", nullptr, "&OK", 5280, 3480, 975, 375, true, false, true},
}};

}  // namespace

AboutContent MakeAboutContent(const std::string& appTitle, const std::string& legalCopyright) {
    AboutContent content;
    content.caption = "About " + appTitle;
    content.title = appTitle;
    content.author = "written by Morven Ashby";
    content.description = "UI-View32 add on for plotting RDF lines on the UI-View map ";
    content.legalText = legalCopyright.empty() ? "Not set in Project!" : legalCopyright;
    content.disclaimer = kDisclaimer;
    content.webAddress = kWebAddress;
    return content;
}

std::span<const AboutControl> AboutControls() {
    return kControls;
}

}  // namespace trivex::ui
