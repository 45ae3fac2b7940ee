// Building a shell line in which file names stay one argument each, byte for byte.
#include "launch/sh_dialect.h"

#include <algorithm>

namespace velmora {
namespace {

// ASCII letters, digits and a few marks mean nothing to the shell, whatever the locale.
bool IsShellSafe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           std::string_view("@%+=:,./_-").find(c) != std::string_view::npos;
}

// Single quotes keep every byte literal; a quote inside is closed, escaped and reopened.
std::string Word(std::string_view text) {
    if (std::all_of(text.begin(), text.end(), IsShellSafe)) {
        return std::string(text);
    }
    std::string out = "'";
    for (char c : text) {
        if (c == '\'') {
            out += "'\\''";
        } else {
            out += c;
        }
    }
    return out + "'";
}

// Inside double quotes only these four keep a meaning of their own.
std::string InDoubleQuotes(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\' || c == '$' || c == '`') {
            out += '\\';
        }
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string ShDialect::ScriptText(const LaunchRequest& request,
                                  const PathSettings& settings) const {
    // An empty game name stays empty, as cmd.exe would collapse it: the emulator then starts
    // without a game.
    const std::string game = request.gameName.empty() ? std::string() : Word(request.gameName);
    return Word(settings.MamePath) + " " + game + " -rp " + InDoubleQuotes(settings.RomPath) + " " +
           settings.MameOptions + "\n";
}

}  // namespace velmora
