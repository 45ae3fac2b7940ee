// The string table.
#include "res/string_table.h"

#include "res/resource.h"
#include "res/string_texts.h"

namespace velmora {

std::string StringTableText(unsigned id) {
    switch (id) {
        case IDS_ABOUTBOX:
            return VELMORA_TEXT_ABOUTBOX;
        case ID_FILE_EXIT:
            return VELMORA_TEXT_EXIT_PROMPT;
        case ID_HELP_ABOUT:
            return VELMORA_TEXT_VERSION;
        case IDS_NOMAMEPATH:
            return VELMORA_TEXT_NOMAMEPATH;
        case IDS_REGISTRYKEY:
            return VELMORA_TEXT_REGISTRYKEY;
        default:
            return {};
    }
}

}  // namespace velmora
