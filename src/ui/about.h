// The About window: its texts and where its controls stand (twips).
#pragma once

#include <span>
#include <string>

namespace trivex::ui {

inline constexpr const char* kWebAddress = "https://trivex.example.org/";

struct AboutContent {
    std::string caption;
    std::string title;
    std::string author;
    std::string description;
    std::string legalText;
    std::string disclaimer;
    std::string webAddress;
    bool operator==(const AboutContent&) const = default;
};

[[nodiscard]] AboutContent MakeAboutContent(const std::string& appTitle, const std::string& legalCopyright);

struct AboutControl {
    const char* name;
    std::string AboutContent::*text;  // the text it shows; nullptr: fixedText
    const char* fixedText;
    int left, top, width, height;
    bool bold;
    bool isLink;
    bool isButton;
};

inline constexpr int kAboutClientWidthTwips = 6360;
inline constexpr int kAboutClientHeightTwips = 4020;

[[nodiscard]] std::span<const AboutControl> AboutControls();

}  // namespace trivex::ui
