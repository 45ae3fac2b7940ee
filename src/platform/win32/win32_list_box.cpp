// List box messages and the directory listing.
#include "platform/win32/win32_list_box.h"

#include <vector>

namespace velmora::win32 {

int Win32ListBox::GetCurSel() const {
    const LRESULT selected = ::SendDlgItemMessageA(m_dialog, m_id, LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

std::string Win32ListBox::GetText(int index) const {
    const LRESULT length = ::SendDlgItemMessageA(m_dialog, m_id, LB_GETTEXTLEN, index, 0);
    if (length == LB_ERR) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendDlgItemMessageA(m_dialog, m_id, LB_GETTEXT, index,
                                                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

bool Win32ListBox::DirList(const std::string& directory) {
    // DlgDirListA writes the file pattern it used ("*.*") back into the buffer, which may be
    // longer than a short path such as "C:".
    std::vector<char> pathSpec(directory.begin(), directory.end());
    pathSpec.resize(directory.size() + MAX_PATH, '\0');
    return ::DlgDirListA(m_dialog, pathSpec.data(), m_id, 0, DDL_READWRITE) != 0;
}

}  // namespace velmora::win32
