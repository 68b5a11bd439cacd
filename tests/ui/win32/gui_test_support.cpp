#include "gui_test_support.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "ui/platform_win32.h"

namespace trivex::test {

void PumpFor(std::chrono::milliseconds time, const std::function<void(MSG&)>& dispatch) {
    const auto end = std::chrono::steady_clock::now() + time;
    do {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) dispatch(message);
        Sleep(10);
    } while (std::chrono::steady_clock::now() < end);
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        PumpFor(20ms, [](MSG& message) { DispatchMessageA(&message); });
    }
    return true;
}

HWND FindProcessWindow(DWORD processId, const char* className) {
    for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
         window = FindWindowExA(nullptr, window, className, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId && IsWindowVisible(window)) return window;
    }
    return nullptr;
}

HWND WaitForWindow(DWORD processId, const char* className) {
    HWND window = nullptr;
    WaitUntil([&] { return (window = FindProcessWindow(processId, className)) != nullptr; });
    return window;
}

std::string WindowText(HWND window) {
    std::string text(static_cast<size_t>(GetWindowTextLengthA(window)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text of a message box stands in its static control 0xFFFF.
std::string MessageBoxText(HWND box) {
    return WindowText(GetDlgItem(box, 0xFFFF));
}

TemporaryFolder::TemporaryFolder() {
    static int counter = 0;
    const std::string name = "trivex-gui-" + std::to_string(GetCurrentProcessId()) + "-";
    do {
        path_ = (std::filesystem::temp_directory_path() / (name + std::to_string(++counter))).string();
    } while (!std::filesystem::create_directory(path_));
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string WindowsPath(const std::string& path) {
    if (path.empty() || path.front() != '/') return path;
    std::string windows = "Z:" + path;
    std::ranges::replace(windows, '/', '\\');
    return windows;
}

std::string PathFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return WindowsPath(value ? value : "");
}

bool SaveWindowPicture(HWND window, const std::string& name) {
    const std::string folder = PathFromEnvironment("TRIVEX_SHOTS");
    if (folder.empty()) return true;
    RECT rect;
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    // 24 bits a pixel, rows bottom-up as BMP files store them.
    BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const win32::UniqueBitmap bitmap(
        CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::UniqueMemoryDC memory(CreateCompatibleDC(screen));
    const HGDIOBJ old = SelectObject(memory.get(), bitmap.get());
    const bool copied = BitBlt(memory.get(), 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory.get(), old);
    ReleaseDC(nullptr, screen);
    if (!copied || !bits) return false;
    const DWORD rowBytes = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    const DWORD offset = sizeof(BITMAPFILEHEADER) + sizeof header;
    const BITMAPFILEHEADER file{0x4D42 /* "BM" */, offset + imageBytes, 0, 0, offset};
    std::ofstream out(folder + "\\" + name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), imageBytes);
    return out.good();
}

ChildProgram::ChildProgram(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\" " + arguments;
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        throw std::runtime_error("cannot start " + exe + ": " + ui::SystemErrorText(GetLastError()));
    }
    CloseHandle(process.hThread);
    process_.reset(process.hProcess);
    id_ = process.dwProcessId;
}

ChildProgram::~ChildProgram() {
    if (WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

std::optional<DWORD> ChildProgram::WaitForExit(std::chrono::milliseconds timeout) {
    if (WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

}  // namespace trivex::test
