// Building a batch line in which file names stay one argument each, byte for byte.
#include "launch/cmd_dialect.h"

namespace velmora {
namespace {

// Characters that make cmd.exe split a word or run something else unless quoted.
constexpr std::string_view kCmdSpecial = " \t&|<>^();,=!\"";

// In a batch file "%%" is one per-cent sign.
std::string EscapePercent(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '%') {
            out += '%';
        }
    }
    return out;
}

// A backslash run before a closing quote would escape it for the emulator's argument parser.
std::string Quoted(std::string_view text) {
    std::string out = "\"" + EscapePercent(text);
    std::size_t trailing = 0;
    while (trailing < text.size() && text[text.size() - 1 - trailing] == '\\') {
        ++trailing;
    }
    out.append(trailing, '\\');
    return out + "\"";
}

std::string Word(std::string_view text) {
    if (text.find_first_of(kCmdSpecial) != std::string_view::npos) {
        return Quoted(text);
    }
    return EscapePercent(text);
}

}  // namespace

std::string CmdDialect::ScriptText(const LaunchRequest& request,
                                   const PathSettings& settings) const {
    return Word(request.emulatorBaseName) + " " + Word(request.gameName) + " -rp " +
           Quoted(settings.RomPath) + " " + settings.MameOptions + "\r\n";
}

std::string CmdDialect::ChildCommandLine(const std::string& scriptPath) const {
    if (scriptPath.find(' ') != std::string::npos) {
        return "\"" + scriptPath + "\"";
    }
    return scriptPath;
}

}  // namespace velmora
