#include "ui/about.h"

#include <array>

namespace trivex {

namespace {

constexpr const char* kDisclaimer =
    "This program is provided as is, without warranty of any kind. Always check a fix on the ground "
    "before you rely on it.";

constexpr std::array<AboutControl, 9> kControls{{
    {"Label1", nullptr, 840, 0, 5295, 375, true, false, false},
    {"Label2", nullptr, 840, 480, 5295, 375, true, false, false},
    {"Label3", nullptr, 840, 960, 5295, 735, false, false, false},
    {"Label8", "More information on this website", 840, 1800, 5295, 255, true, false, false},
    {"lblWebURL", nullptr, 840, 2040, 5055, 255, false, true, false},
    {"Label4", "Legal", 120, 2400, 735, 255, true, false, false},
    {"Label5", nullptr, 840, 2400, 5295, 495, false, false, false},
    {"Label6", nullptr, 840, 3000, 4095, 855, false, false, false},
    {"Command1", "&OK", 5280, 3480, 975, 375, true, false, true},
}};

}  // namespace

AboutContent MakeAboutContent(const std::string& appTitle, const std::string& legalCopyright) {
    AboutContent content;
    content.caption = "About " + appTitle;
    content.Label1 = appTitle;
    content.Label2 = "written by Morven Ashby";
    content.Label3 = "UI-View32 add on for plotting RDF lines on the UI-View map ";
    content.Label5 = legalCopyright.empty() ? "Not set in Project!" : legalCopyright;
    content.Label6 = kDisclaimer;
    content.lblWebURL = kWebAddress;
    return content;
}

std::span<const AboutControl> AboutControls() {
    return kControls;
}

}  // namespace trivex
