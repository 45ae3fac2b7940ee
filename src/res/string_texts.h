// The texts of the string table, in a form both C++ and the resource compiler read.
#pragma once

#define VELMORA_TEXT_ABOUTBOX "&About Velmora..."
#define VELMORA_TEXT_EXIT_PROMPT "Exit the Program"
#define VELMORA_TEXT_VERSION "1.0 Release Candidate 2"
#define VELMORA_TEXT_NOMAMEPATH "You must first set a path to the M.A.M.E. executable."
// The About dialog's second line.
#define VELMORA_TEXT_ABOUT_NOTE "Copyright (C) 2026 Tarnwick"
#define VELMORA_TEXT_REGISTRYKEY "Software\\Tarnwick\\Velmora"
