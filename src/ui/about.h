// The About window: its texts and where its controls stand (twips).
#pragma once

#include <span>
#include <string>

namespace trivex {

inline constexpr const char* kWebAddress = "https://trivex.example.org/";

struct AboutContent {
    std::string caption;
    std::string Label1;     // the program title
    std::string Label2;     // author line
    std::string Label3;     // description
    std::string Label5;     // legal text
    std::string Label6;     // disclaimer
    std::string lblWebURL;  // web address
    bool operator==(const AboutContent&) const = default;
};

[[nodiscard]] AboutContent MakeAboutContent(const std::string& appTitle, const std::string& legalCopyright);

struct AboutControl {
    const char* name;
    const char* fixedText;  // nullptr: the text comes from AboutContent
    int left, top, width, height;
    bool bold;
    bool isLink;
    bool isButton;
};

inline constexpr int kAboutClientWidthTwips = 6360;
inline constexpr int kAboutClientHeightTwips = 4020;

[[nodiscard]] std::span<const AboutControl> AboutControls();

}  // namespace trivex
