// Helpers of the Windows tests: scratch folders, a real edit control, hex decoding.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace velmora::testing {

// The folder that holds the test executables and their helper programs, without a backslash.
std::string ExecutableDirectory();

// A fresh folder under the directory for temporary files, removed with all it holds.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }
    void Touch(const std::string& name) const;
    void MakeFolder(const std::string& name) const;

private:
    std::string m_path;
};

std::string ReadWholeFile(const std::string& path);
bool FileExists(const std::string& path);
void CopyHelper(const std::string& helper, const std::string& destination);

// A hidden top-level window holding a multi-line edit control and a sorted list box, with
// the ids of the main window's controls.
class TestWindow {
public:
    TestWindow();
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;

    HWND Handle() const { return m_window; }
    HWND Edit() const;
    std::string EditText() const;
    std::vector<std::string> ListEntries() const;

private:
    HWND m_window = nullptr;
};

std::string FromHex(const std::string& hex);

// What argv_echo printed: its working directory and its arguments, argv[0] left out.
struct EchoedCall {
    std::string directory;
    std::vector<std::string> arguments;
};
EchoedCall ParseEcho(const std::string& paneText);

}  // namespace velmora::testing
