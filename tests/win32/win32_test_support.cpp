// Scratch folders, files and windows for the Windows tests.
#include "win32_test_support.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

#include "res/resource.h"

namespace velmora::testing {

std::string ExecutableDirectory() {
    std::string path(32768, '\0');
    path.resize(::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.rfind('\\'));
}

ScratchFolder::ScratchFolder(const std::string& name) {
    char temp[MAX_PATH + 1] = {};
    ::GetTempPathA(sizeof temp, temp);
    m_path = std::string(temp) + "velmora-" + name + "-" + std::to_string(::GetCurrentProcessId());
    ::CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder() {
    // The double NUL ends SHFileOperation's list of paths.
    std::string from = m_path + std::string(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    ::SHFileOperationA(&operation);
}

void ScratchFolder::Touch(const std::string& name) const {
    std::ofstream(File(name), std::ios::binary) << "x";
}

void ScratchFolder::MakeFolder(const std::string& name) const {
    ::CreateDirectoryA(File(name).c_str(), nullptr);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CopyHelper(const std::string& helper, const std::string& destination) {
    ::CopyFileA((ExecutableDirectory() + "\\" + helper).c_str(), destination.c_str(), FALSE);
}

TestWindow::TestWindow() {
    m_window = ::CreateWindowExA(0, "Static", "velmora test", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                                 nullptr, nullptr, nullptr, nullptr);
    ::CreateWindowExA(
        0, "Edit", "",
        WS_CHILD | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0,
        300, 100, m_window, reinterpret_cast<HMENU>(IDC_OUTPUT), nullptr, nullptr);
    ::CreateWindowExA(0, "ListBox", "", WS_CHILD | LBS_SORT | LBS_NOTIFY, 0, 100, 300, 100,
                      m_window, reinterpret_cast<HMENU>(IDC_ROMLIST), nullptr, nullptr);
}

TestWindow::~TestWindow() {
    ::DestroyWindow(m_window);
}

HWND TestWindow::Edit() const {
    return ::GetDlgItem(m_window, IDC_OUTPUT);
}

std::string TestWindow::EditText() const {
    const int length = ::GetWindowTextLengthA(Edit());
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    text.resize(::GetWindowTextA(Edit(), text.data(), length + 1));
    return text;
}

std::vector<std::string> TestWindow::ListEntries() const {
    std::vector<std::string> entries;
    const LRESULT count = ::SendDlgItemMessageA(m_window, IDC_ROMLIST, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::string text(static_cast<std::size_t>(
                             ::SendDlgItemMessageA(m_window, IDC_ROMLIST, LB_GETTEXTLEN, i, 0)) +
                             1,
                         '\0');
        text.resize(::SendDlgItemMessageA(m_window, IDC_ROMLIST, LB_GETTEXT, i,
                                          reinterpret_cast<LPARAM>(text.data())));
        entries.push_back(text);
    }
    return entries;
}

std::string FromHex(const std::string& hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    return bytes;
}

EchoedCall ParseEcho(const std::string& paneText) {
    EchoedCall call;
    std::istringstream lines(paneText);
    std::string line;
    bool program = true;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.rfind("cwd ", 0) == 0) {
            call.directory = FromHex(line.substr(4));
        } else if (line.rfind("arg ", 0) == 0) {
            if (!program) {
                call.arguments.push_back(FromHex(line.substr(4)));
            }
            program = false;
        }
    }
    return call;
}

}  // namespace velmora::testing
