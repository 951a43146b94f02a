// The platform dialogs the form runs to choose folders and files. Behind an interface,
// so that tests can answer them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace plivora {

struct FileChoice {
    // The file's full path, or for several files the folder they were chosen in.
    std::string Path;
    // Full paths of the chosen files, in the dialog's order.
    std::vector<std::string> Selected;
    // Text after the last dot of the (first) file name.
    std::string Extension;
};

class Pickers {
public:
    virtual ~Pickers() = default;
    // Each returns nothing when the user cancelled.
    virtual std::optional<std::string> ChooseBaseFolder(HWND owner) = 0;
    // The base folder of a disc made before, to carry on with it.
    virtual std::optional<std::string> ChooseDiscFolder(HWND owner) = 0;
    virtual std::optional<FileChoice> ChooseTargets(HWND owner, const std::string& initialFolder) = 0;
    virtual std::optional<FileChoice> ChooseIcon(HWND owner, const std::string& initialFolder) = 0;
    virtual std::optional<FileChoice> ChooseSecondaryProgram(HWND owner, const std::string& initialFolder) = 0;
    virtual std::optional<FileChoice> ChooseSplash(HWND owner, const std::string& initialFolder) = 0;
    // Where to save the disc image: a full path, wide so that any name the user types
    // is kept; the dialog has asked before it lets an existing file be chosen.
    virtual std::optional<std::u16string> ChooseImageFile(HWND owner, const std::u16string& initialFolder,
                                                          const std::u16string& defaultName) = 0;
};

}  // namespace plivora
