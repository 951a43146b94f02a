#include "launch_rules.h"

#include "ansi_text.h"
#include "project_settings.h"

namespace plivora::launcher {

std::string OnDisc(const std::string& root, const std::string& name) {
    const bool absolute = (name.size() >= 2 && name[1] == ':') || (!name.empty() && IsSeparator(name[0]));
    return absolute ? name : root + name;
}

std::string ExpandOpenCommand(const std::string& command, const std::string& path) {
    std::string result;
    bool named = false;
    for (std::size_t at = 0; at < command.size(); ++at) {
        const char c = command[at];
        if (c != '%' || at + 1 == command.size()) {
            result += c;
            continue;
        }
        const char code = command[++at];
        if (code == '1' || code == 'L' || code == 'l' || code == 'V' || code == 'v') {
            result += path;
            named = true;
        } else if (code == '%') {
            result += '%';
        } else if (code == '*' || (code >= '0' && code <= '9')) {
            // Nothing to pass: the launcher hands over one document.
        } else {
            result += c;
            result += code;
        }
    }
    if (!named) result += " \"" + path + "\"";
    return result;
}

ProgramText SplitProgramText(const std::string& text, const ExistsFunction& exists) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string::npos) return {};
    auto rest = [&](std::size_t from) {
        const std::size_t begin = text.find_first_not_of(' ', from);
        return begin == std::string::npos ? std::string() : text.substr(begin);
    };
    if (text[start] == '"') {
        const std::size_t close = text.find('"', start + 1);
        if (close == std::string::npos) return {text.substr(start + 1), std::string()};
        return {text.substr(start + 1, close - start - 1), rest(close + 1)};
    }
    // The whole text first, then ever shorter runs of words; one word needs no search.
    for (std::size_t cut = text.find_last_not_of(' ') + 1; cut > start; cut = text.rfind(' ', cut - 1)) {
        const std::string candidate = text.substr(start, cut - start);
        if (candidate.find(' ') == std::string::npos) break;
        if (exists(candidate) || exists(candidate + ".exe")) return {candidate, rest(cut)};
        if (cut == start + 1) break;
    }
    const std::size_t end = text.find(' ', start);
    if (end == std::string::npos) return {text.substr(start), std::string()};
    return {text.substr(start, end - start), rest(end)};
}

unsigned SplashMilliseconds(const std::string& secondsText) {
    long long seconds = ReadLeadingInteger(secondsText);
    if (seconds <= 0) seconds = 5;
    if (seconds > 600) seconds = 600;
    return static_cast<unsigned>(seconds * 1000);
}

}  // namespace plivora::launcher
