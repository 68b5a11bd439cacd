// What the fuzz targets share: typed values off the fuzzer's bytes, checks that say which
// property broke and abort so that libFuzzer keeps the input, the program on the simulated host.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "host/sim/sim_host.h"
#include "ui/main_window.h"
#include "ui/memory/memory_platform.h"
#include "ui/memory/memory_view.h"

namespace trivex::fuzz {

// Hands out the input's bytes front to back; once they run out every value is zero or empty.
class FuzzInput {
  public:
    FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    template <typename T>
    T Take() {
        T value{};
        const std::string bytes = Bytes(sizeof value);
        std::memcpy(&value, bytes.data(), bytes.size());
        return value;
    }
    // A text of up to 255 bytes: a length byte, then the bytes.
    std::string Text() { return Bytes(Take<uint8_t>()); }
    std::string Rest() { return Bytes(rest_.size()); }
    bool Empty() const { return rest_.empty(); }

  private:
    // The next `count` bytes, or as many as are left.
    std::string Bytes(size_t count) {
        std::string bytes(rest_.substr(0, count));
        rest_.remove_prefix(bytes.size());
        return bytes;
    }
    std::string_view rest_;
};

// The target's run on one input (typed_input_main.cpp calls it).
void FuzzOne(FuzzInput& input);

inline void Check(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::abort();
}

// The window logic over the simulated host and an in-memory view and platform.
struct SimulatedProgram {
    sim::SimHost host;
    ui::MemoryView view;
    ui::MemoryPlatform platform;
    ui::MainWindow window{view, platform, host};
};

}  // namespace trivex::fuzz
