// Pickers answered by the test: each returns what the test put in it, and counts calls.
#pragma once

#include "pickers.h"

namespace plivora::fakes {

class FakePickers final : public Pickers {
public:
    std::optional<std::string> Folder, DiscFolder;
    std::optional<FileChoice> Targets, Icon, Secondary, Splash;
    std::optional<std::u16string> ImageFile;
    int Calls = 0;
    std::string LastInitialFolder;

    std::optional<std::string> ChooseBaseFolder(HWND) override {
        ++Calls;
        return Folder;
    }
    std::optional<std::string> ChooseDiscFolder(HWND) override {
        ++Calls;
        return DiscFolder;
    }
    std::optional<FileChoice> ChooseTargets(HWND, const std::string& initial) override { return Answer(Targets, initial); }
    std::optional<FileChoice> ChooseIcon(HWND, const std::string& initial) override { return Answer(Icon, initial); }
    std::optional<FileChoice> ChooseSecondaryProgram(HWND, const std::string& initial) override {
        return Answer(Secondary, initial);
    }
    std::optional<FileChoice> ChooseSplash(HWND, const std::string& initial) override { return Answer(Splash, initial); }
    std::optional<std::u16string> ChooseImageFile(HWND, const std::u16string&,
                                                  const std::u16string&) override {
        ++Calls;
        return ImageFile;
    }

    // One file chosen by its full path.
    static FileChoice File(const std::string& path, const std::string& extension = {}) {
        return FileChoice{path, {path}, extension};
    }

private:
    std::optional<FileChoice> Answer(const std::optional<FileChoice>& answer, const std::string& initial) {
        ++Calls;
        LastInitialFolder = initial;
        return answer;
    }
};

}  // namespace plivora::fakes
