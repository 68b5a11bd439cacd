#include "json/json_text.h"

#include <gtest/gtest.h>

namespace trivex::json {
namespace {

TEST(JsonText, EscapesTexts) {
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {"a\"b\\c", R"("a\"b\\c")"},                  // quote and backslash
        {"line\r\n", R"("line\r\n")"},                // the log's line ends
        {std::string("\x01\t", 2), R"("\u0001\t")"},  // other control characters
        {"a b~", R"("a b~")"},                        // a blank and the rest of ASCII as they are
        {"caf\xC3\xA9", "\"caf\xC3\xA9\""},           // UTF-8 passes unchanged
        {"caf\xE9", R"("caf\u00e9")"},                // a Latin-1 byte that is not UTF-8
        {"\xE2\x82", R"("\u00e2\u0082")"},            // a cut UTF-8 sequence
        {"\xC2\xA0", "\"\xC2\xA0\""},                 // the lowest lead of two bytes
    };
    for (const Case& c : cases) EXPECT_EQ(QuotedJson(c.text), c.expected) << c.text;
}

TEST(JsonText, KeepsShortContainersOnOneLine) {
    const Json shortList = Json::Array{1, 2, "x"};
    EXPECT_EQ(shortList.Text(), "[1, 2, \"x\"]\n");
    const Json nested = Json::Object{{"empty", Json::Array{}}, {"long", std::string(120, 'a')}};
    EXPECT_EQ(nested.Text(), "{\n  \"empty\": [],\n  \"long\": \"" + std::string(120, 'a') + "\"\n}\n");
    // A line holds 100 characters: a list one longer breaks.
    const std::string word(97, 'a');
    EXPECT_EQ(Json(Json::Array{word}).Text(), "[\n  \"" + word + "\"\n]\n");
}

}  // namespace
}  // namespace trivex::json
