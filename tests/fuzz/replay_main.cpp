// Runs a fuzz target once on each file given, and on each file of each folder given, in
// name order: the committed corpus and the inputs of past failures replay in every build.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
    std::set<std::filesystem::path> inputs;
    for (int arg = 1; arg < argc; ++arg) {
        if (!std::filesystem::is_directory(argv[arg])) {
            inputs.insert(argv[arg]);
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(argv[arg]))
            if (entry.is_regular_file()) inputs.insert(entry.path());
    }
    for (const auto& file : inputs) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 1;
        }
        const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::fprintf(stderr, "%s\n", file.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed\n", inputs.size());
    return inputs.empty() ? 1 : 0;
}
