// The real pickers: the shell's folder browser and the common open-file dialog.
#pragma once

#include "pickers.h"

namespace plivora {

class Win32Pickers final : public Pickers {
public:
    std::optional<std::string> ChooseBaseFolder(HWND owner) override;
    std::optional<std::string> ChooseDiscFolder(HWND owner) override;
    std::optional<FileChoice> ChooseTargets(HWND owner, const std::string& initialFolder) override;
    std::optional<FileChoice> ChooseIcon(HWND owner, const std::string& initialFolder) override;
    std::optional<FileChoice> ChooseSecondaryProgram(HWND owner, const std::string& initialFolder) override;
    std::optional<FileChoice> ChooseSplash(HWND owner, const std::string& initialFolder) override;
    std::optional<std::u16string> ChooseImageFile(HWND owner, const std::u16string& initialFolder,
                                                  const std::u16string& defaultName) override;
};

// The files of one multiple-selection result: either a single full path, or a folder
// followed by names, each NUL-ended and the list ended by an extra NUL. Nothing when
// the buffer does not hold such a list (the dialog's answer to an overflow on some
// platforms), so a garbled selection is never taken for a choice.
std::optional<FileChoice> ParseMultipleSelection(const std::vector<char>& buffer, WORD fileOffset);

}  // namespace plivora
