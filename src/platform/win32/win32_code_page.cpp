// The ANSI code page's lead bytes, as the system reports them.
#include "platform/win32/win32_code_page.h"

#include <windows.h>

namespace velmora::win32 {

const CodePage& AnsiCodePage() {
    static const DoubleByteCodePage codePage(
        [](unsigned char byte) { return ::IsDBCSLeadByte(byte) != FALSE; });
    return codePage;
}

}  // namespace velmora::win32
