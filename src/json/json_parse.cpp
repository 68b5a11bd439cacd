#include "json_parse.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <vector>

#include "json_node.h"

namespace trivex::json {

namespace {

using Document = nlohmann::json;

// The library's message without its "[json.exception.parse_error.101] " prefix.
std::string ParseErrorText(const std::string& what) {
    const size_t prefixEnd = what.find("] ");
    if (what.starts_with("[json.exception") && prefixEnd != std::string::npos)
        return what.substr(prefixEnd + 2);
    return what;
}

// A field name as a path shows it: bare when it is a plain name, else quoted.
std::string PathName(const std::string& name) {
    const bool plain = !name.empty() && std::all_of(name.begin(), name.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '_';
    });
    return plain ? name : Quoted(name);
}

// Reads the text once, building nothing, and stops at the first thing refused.
class Checker : public nlohmann::json_sax<Document> {
  public:
    bool null() override { return Element(); }
    bool boolean(bool) override { return Element(); }
    bool number_integer(number_integer_t) override { return Element(); }
    bool number_unsigned(number_unsigned_t) override { return Element(); }
    bool number_float(number_float_t, const string_t&) override { return Element(); }
    bool string(string_t&) override { return Element(); }
    bool binary(binary_t&) override { return Element(); }
    bool start_object(std::size_t) override { return Open(true); }
    bool key(string_t& name) override {
        Container& object = open_.back();
        if (!object.names.insert(name).second)
            return Refuse(Path().append(": duplicate field ") + Quoted(name));
        object.name = name;
        return true;
    }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override {
        return Refuse("not valid JSON: " + ParseErrorText(error.what()));
    }

    const std::string& Error() const { return error_; }

  private:
    struct Container {
        bool isObject;
        size_t index = 0;             // of an array: the element being read
        std::string name;             // of an object: the field being read
        std::set<std::string> names;  // of an object: the fields read so far
    };

    bool Open(bool isObject) {
        if (open_.size() == kMaxJsonDepth)
            return Refuse("the scenario: nested deeper than " + std::to_string(kMaxJsonDepth) + " levels");
        open_.push_back({isObject, 0, {}, {}});
        return true;
    }
    bool Close() {
        open_.pop_back();
        return Element();
    }
    bool Element() {
        if (!open_.empty() && !open_.back().isObject) ++open_.back().index;
        return true;
    }
    bool Refuse(std::string error) {
        error_ = std::move(error);
        return false;
    }
    // The path of the innermost open container, as JsonNode names it.
    std::string Path() const {
        std::string path;
        for (size_t i = 0; i + 1 < open_.size(); ++i) {
            if (open_[i].isObject)
                path.append(path.empty() ? "" : ".").append(PathName(open_[i].name));
            else
                path.append("[").append(std::to_string(open_[i].index)).append("]");
        }
        return path.empty() ? "the scenario" : path;
    }

    std::vector<Container> open_;
    std::string error_;
};

}  // namespace

nlohmann::json ParseDocument(const std::string& text) {
    Checker checker;
    if (!Document::sax_parse(text, &checker)) throw ReadError(checker.Error());
    return Document::parse(text);
}

}  // namespace trivex::json
