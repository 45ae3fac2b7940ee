// The dialogs that are running, so new windows find their owner as the framework would.
#pragma once

#include <windows.h>

#include <vector>

namespace velmora::win32 {

class WindowStack {
public:
    void Push(HWND window) { m_windows.push_back(window); }
    void Pop(HWND window);
    // The outermost running dialog: the main window once the program has started.
    HWND MainWindow() const { return m_windows.empty() ? nullptr : m_windows.front(); }
    // The owner of the next dialog, message box or picker: the main window or the pop-up
    // that was last active over it.
    HWND ActiveOwner() const;

private:
    std::vector<HWND> m_windows;
};

}  // namespace velmora::win32
