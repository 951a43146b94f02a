#include "launcher_command_line.h"

#include <algorithm>
#include <cstring>

#include "ansi_text.h"
#include "project_settings.h"

namespace plivora {

namespace {

const char* const ListSeparator = ", ";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// The list cut at every ", ", empty pieces kept.
std::vector<std::string> ListPieces(const std::string& list) {
    std::vector<std::string> pieces;
    const std::size_t step = std::strlen(ListSeparator);
    for (std::size_t start = 0;;) {
        const std::size_t cut = list.find(ListSeparator, start);
        pieces.push_back(list.substr(start, cut == std::string::npos ? std::string::npos : cut - start));
        if (cut == std::string::npos) return pieces;
        start = cut + step;
    }
}

// count pieces from first, joined back as they stood in the list.
std::string JoinPieces(const std::vector<std::string>& pieces, std::size_t first, std::size_t count) {
    std::string joined = pieces[first];
    for (std::size_t i = 1; i < count; ++i) joined += ListSeparator + pieces[first + i];
    return joined;
}

// Plain decimal, as "%d" writes it; nothing else is accepted.
bool ReadDecimal(const std::string& text, int& value) {
    std::size_t at = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (at == text.size() || text.size() - at > 9) return false;
    int result = 0;
    for (std::size_t i = at; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        result = result * 10 + (text[i] - '0');
    }
    value = at ? -result : result;
    return true;
}

class Reader {
public:
    explicit Reader(const std::string& text) : text_(text) {}

    bool AtEnd() {
        while (at_ < text_.size() && IsBlank(text_[at_])) ++at_;
        return at_ == text_.size();
    }
    bool NextIsQuote() { return Peek() == '"'; }
    char Peek() { return AtEnd() ? '\0' : text_[at_]; }

    // Where the next item starts, and the text read since such a start.
    std::size_t Start() {
        AtEnd();
        return at_;
    }
    std::string Since(std::size_t start) const {
        std::size_t end = at_;
        while (end > start && IsBlank(text_[end - 1])) --end;
        return text_.substr(start, end - start);
    }

    // A word: up to the next blank or quote.
    std::string Word() {
        AtEnd();
        const std::size_t start = at_;
        while (at_ < text_.size() && !IsBlank(text_[at_]) && text_[at_] != '"') ++at_;
        return text_.substr(start, at_ - start);
    }

    // The text between a pair of quotes; false when the closing one is missing, and
    // then the value is the rest of the line.
    bool QuotedValue(std::string& value) {
        AtEnd();
        const std::size_t start = ++at_;
        const std::size_t close = text_.find('"', start);
        value = text_.substr(start, close == std::string::npos ? std::string::npos : close - start);
        at_ = close == std::string::npos ? text_.size() : close + 1;
        return close != std::string::npos;
    }

private:
    const std::string& text_;
    std::size_t at_ = 0;
};

struct SwitchInfo {
    const char* Name;
    bool TakesValue;
};

const SwitchInfo Switches[] = {
    {"/splash", true}, {"/secProg", true}, {"/verbose", false},
    {"/noreg", false}, {"/hide", false},   {"/tryforce", true},
};

class Parser {
public:
    explicit Parser(ParsedLaunchArguments& out) : out_(out), command_(out.Command) {}

    void Run(const std::string& arguments) {
        Reader reader(arguments);
        ReadTargets(reader);
        while (!reader.AtEnd()) ReadSwitch(reader);
    }

private:
    void Ignored(std::string piece, std::string detail) {
        out_.Problems.push_back({std::move(piece), true, std::move(detail)});
    }
    void ReadAnyway(std::string piece, std::string detail) {
        out_.Problems.push_back({std::move(piece), false, std::move(detail)});
    }

    void ReadTargets(Reader& reader) {
        const std::size_t start = reader.Start();
        if (reader.NextIsQuote()) {
            if (!reader.QuotedValue(command_.TargetFiles))
                ReadAnyway(reader.Since(start),
                           "The target list " + Quoted(command_.TargetFiles) + " has no closing quote.");
        } else if (!reader.AtEnd() && reader.Peek() != '/') {
            // Typed by hand without quotes: one name up to the first blank.
            command_.TargetFiles = reader.Word();
        }
    }

    void ReadSwitch(Reader& reader) {
        const std::size_t start = reader.Start();
        if (reader.NextIsQuote()) {
            std::string stray;
            reader.QuotedValue(stray);
            Ignored(reader.Since(start), "The text " + Quoted(stray) + " does not belong to any switch.");
            return;
        }
        const std::string name = reader.Word();
        const SwitchInfo* known = nullptr;
        const SwitchInfo* nearly = nullptr;
        for (const SwitchInfo& candidate : Switches) {
            if (name == candidate.Name)
                known = &candidate;
            else if (EqualIgnoringCase(name, candidate.Name))
                nearly = &candidate;
        }
        std::string value;
        const SwitchInfo* shape = known ? known : nearly;
        const bool hasValue = reader.NextIsQuote();
        bool closed = true;
        if (hasValue && (!shape || shape->TakesValue)) closed = reader.QuotedValue(value);
        // A value typed without its quotes goes with its switch, not as a switch of its own.
        std::string bare;
        if (!hasValue && shape && shape->TakesValue && !reader.AtEnd() && reader.Peek() != '/')
            bare = reader.Word();
        const std::string piece = reader.Since(start);

        if (!known) {
            Ignored(piece, nearly ? "Unknown switch " + name +
                                        "; switch names are case-sensitive: did you mean " + nearly->Name + "?"
                                  : "Unknown switch " + Quoted(name) + ".");
            return;
        }
        if (std::find(seen_.begin(), seen_.end(), name) != seen_.end()) {
            Ignored(piece, "The switch " + name + " is given more than once; only the first one counts.");
            return;
        }
        seen_.push_back(name);
        if (known->TakesValue && !hasValue) {
            Ignored(piece, bare.empty() ? "The switch " + name + " needs a value in double quotes."
                                        : "The value of " + name + " must be in double quotes, as in " + name +
                                              " " + Quoted(bare) + ".");
            return;
        }
        if (!closed) ReadAnyway(piece, "The value of " + name + " has no closing quote.");
        if (name == "/splash")
            ReadSplash(value, piece);
        else if (name == "/secProg")
            ReadSecondary(value, piece);
        else if (name == "/tryforce")
            ReadTryForce(value, piece);
        else if (name == "/verbose")
            command_.Verbose = true;
        else if (name == "/noreg")
            command_.NoRegistryLookup = true;
        else if (name == "/hide")
            command_.HideDialog = true;
    }

    // The duration is what follows the last "$" that leaves a positive number.
    void ReadSplash(const std::string& value, const std::string& piece) {
        for (std::size_t cut = value.rfind('$'); cut != std::string::npos;
             cut = cut == 0 ? std::string::npos : value.rfind('$', cut - 1)) {
            if (ReadLeadingInteger(value.substr(cut + 1)) > 0) {
                command_.UseSplash = true;
                command_.SplashFile = value.substr(0, cut);
                command_.SplashSeconds = value.substr(cut + 1);
                return;
            }
        }
        const std::size_t cut = value.rfind('$');
        command_.UseSplash = true;
        command_.SplashFile = value.substr(0, cut);
        command_.SplashSeconds = "5";
        if (cut == std::string::npos)
            ReadAnyway(piece, "The splash value " + Quoted(value) +
                                  " has no \"$\" before its duration; showing it for 5 seconds.");
    }

    // "program$order$prompt": the program may hold "$" itself, so the numbers are taken
    // from the right.
    void ReadSecondary(const std::string& value, const std::string& piece) {
        const std::size_t promptCut = value.rfind('$');
        const std::size_t orderCut = promptCut == std::string::npos || promptCut == 0
                                         ? std::string::npos
                                         : value.rfind('$', promptCut - 1);
        int order = 0;
        int prompt = 0;
        if (orderCut == std::string::npos ||
            !ReadDecimal(value.substr(orderCut + 1, promptCut - orderCut - 1), order) ||
            !ReadDecimal(value.substr(promptCut + 1), prompt)) {
            Ignored(piece, "The secondary program value " + Quoted(value) +
                               " is not of the form \"program$order$prompt\"; no secondary program is run.");
            return;
        }
        if (order < 0 || order >= static_cast<int>(SecondaryOrderEntries.size()) || prompt < 0 ||
            prompt >= static_cast<int>(SecondaryPromptEntries.size())) {
            Ignored(piece, "The secondary program value " + Quoted(value) +
                               " has an order outside 0 to 1 or a prompt outside 0 to 3; no secondary program "
                               "is run.");
            return;
        }
        command_.UseSecondary = true;
        command_.SecondaryProgram = value.substr(0, orderCut);
        command_.SecondaryOrder = order;
        command_.SecondaryPrompt = prompt;
    }

    void ReadTryForce(const std::string& value, const std::string& piece) {
        if (value.empty()) {
            Ignored(piece, "The switch /tryforce names no program.");
            return;
        }
        command_.TryForce = true;
        const std::size_t cut = value.find(ListSeparator);
        if (cut == std::string::npos) {
            command_.ForcePrograms = {value};
        } else {
            command_.ForcePrograms = {value.substr(0, cut), value.substr(cut + std::strlen(ListSeparator))};
        }
    }

    ParsedLaunchArguments& out_;
    LauncherCommandLine& command_;
    std::vector<std::string> seen_;
};

}  // namespace

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

bool LauncherCommandLine::operator==(const LauncherCommandLine& o) const {
    return TargetFiles == o.TargetFiles && UseSplash == o.UseSplash && SplashFile == o.SplashFile &&
           SplashSeconds == o.SplashSeconds && UseSecondary == o.UseSecondary &&
           SecondaryProgram == o.SecondaryProgram && SecondaryOrder == o.SecondaryOrder &&
           SecondaryPrompt == o.SecondaryPrompt && Verbose == o.Verbose &&
           NoRegistryLookup == o.NoRegistryLookup && HideDialog == o.HideDialog && TryForce == o.TryForce &&
           ForcePrograms == o.ForcePrograms;
}

ParsedLaunchArguments ParseLaunchArguments(const std::string& arguments) {
    ParsedLaunchArguments result;
    Parser(result).Run(arguments);
    return result;
}

std::string ComposeLaunchArguments(const LauncherCommandLine& command) {
    ProjectSettings settings;
    settings.TargetFiles = command.TargetFiles;
    settings.UseSplash = command.UseSplash;
    settings.SplashFile = command.SplashFile;
    settings.SplashSeconds = command.SplashSeconds;
    settings.UseSecondary = command.UseSecondary;
    settings.SecondaryProgram = command.SecondaryProgram;
    settings.Verbose = command.Verbose;
    settings.NoRegistryLookup = command.NoRegistryLookup;
    settings.HideDialog = command.HideDialog;
    settings.TryForce = command.TryForce;
    if (!command.ForcePrograms.empty()) settings.ForceProgram1 = command.ForcePrograms[0];
    if (command.ForcePrograms.size() > 1) settings.ForceProgram2 = command.ForcePrograms[1];
    return LaunchArguments(ComposeOpenEntry(settings, command.SecondaryOrder, command.SecondaryPrompt));
}

std::vector<std::string> SplitTargetList(const std::string& targetFiles) {
    std::vector<std::string> names = ListPieces(targetFiles);
    names.erase(std::remove(names.begin(), names.end(), std::string()), names.end());
    return names;
}

std::vector<std::string> ResolveTargets(const std::string& targetFiles,
                                        const std::function<bool(const std::string&)>& exists) {
    const std::vector<std::string> pieces = ListPieces(targetFiles);
    std::vector<std::string> names;
    for (std::size_t first = 0; first < pieces.size();) {
        // The longest run of pieces that names a file, else the one piece.
        std::size_t count = pieces.size() - first;
        while (count > 1 && !exists(JoinPieces(pieces, first, count))) --count;
        std::string name = JoinPieces(pieces, first, count);
        if (!name.empty()) names.push_back(std::move(name));
        first += count;
    }
    return names;
}

}  // namespace plivora
