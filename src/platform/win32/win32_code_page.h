// The system's ANSI code page, for cutting texts at the last character.
#pragma once

#include "text/code_page.h"

namespace velmora::win32 {

const CodePage& AnsiCodePage();

}  // namespace velmora::win32
