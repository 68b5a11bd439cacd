// Helpers of the GUI tests: the message queue, windows of other processes, message boxes,
// temporary folders, screenshots and programs started as processes of their own.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "win32/unique_handle.h"
#include "win32/windows_api.h"

namespace trivex::test {

using namespace std::chrono_literals;

// Dispatches the queued messages of this thread through `dispatch`, for at least `time`.
void PumpFor(std::chrono::milliseconds time, const std::function<void(MSG&)>& dispatch);

// Polls until `done` holds; false when the time is up first. Meanwhile it dispatches this
// thread's messages, which bring the calls of other processes to the test's own COM objects.
bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout = 20s);

// The first visible top-level window of the process with that class ("#32770" for message boxes).
HWND FindProcessWindow(DWORD processId, const char* className);
// Waits for that window; nullptr when none appeared in time.
HWND WaitForWindow(DWORD processId, const char* className);

std::string WindowText(HWND window);
std::string MessageBoxText(HWND box);

// A new empty folder under the temporary folder; removed with its files by the destructor.
class TemporaryFolder {
  public:
    TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    ~TemporaryFolder();
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

  private:
    std::string path_;
};

std::optional<std::string> ReadWholeFile(const std::string& path);
void WriteWholeFile(const std::string& path, const std::string& bytes);

// A Unix path handed in by the test script, as Wine's drive Z: sees it; Windows paths pass unchanged.
std::string WindowsPath(const std::string& path);
// The path that the environment variable names, as a Windows path; empty when it is not set.
std::string PathFromEnvironment(const char* name);

// Saves what the screen shows of the window (frame included) as a 24-bit BMP file of that name
// in the folder TRIVEX_SHOTS names, for a person to look at; true when that names none.
bool SaveWindowPicture(HWND window, const std::string& name);

// A program started with CreateProcess; killed by the destructor if it still runs.
class ChildProgram {
  public:
    explicit ChildProgram(const std::string& exe, const std::string& arguments = "");
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;
    ~ChildProgram();
    DWORD Id() const { return id_; }
    // The exit code, or nothing when it still runs after the timeout.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = 20s);

  private:
    win32::UniqueKernelObject process_;
    DWORD id_ = 0;
};

}  // namespace trivex::test
