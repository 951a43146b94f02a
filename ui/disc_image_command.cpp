#include "disc_image_command.h"

#include "ansi_text.h"
#include "ansi_wide.h"
#include "base_paths.h"
#include "com.h"
#include "folder_disc_tree.h"
#include "image_file_sink.h"
#include "shell_progress.h"
#include "volume_label.h"

namespace plivora {

namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// The folder without separators at its end, unless it is a root such as "C:\".
std::wstring WithoutTrailingSeparators(std::wstring folder) {
    while (folder.size() > 3 && IsSeparator(folder.back())) folder.pop_back();
    return folder;
}

// The last name of a path; empty for a drive's root.
std::wstring OwnName(const std::wstring& path) {
    const std::wstring folder = WithoutTrailingSeparators(path);
    const std::size_t slash = folder.find_last_of(L"\\/");
    const std::wstring name = slash == std::wstring::npos ? folder : folder.substr(slash + 1);
    return name.size() == 2 && name[1] == L':' ? std::wstring() : name;
}

// Where the dialog opens: beside the base folder, where the image belongs.
std::wstring ParentFolder(const std::wstring& folder) {
    const std::wstring trimmed = WithoutTrailingSeparators(folder);
    const std::size_t slash = trimmed.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    return trimmed.substr(0, slash == 2 ? 3 : slash);
}

std::string EntryPath(const std::string& baseFolder, const std::u16string& relative) {
    if (relative.empty()) return baseFolder;
    const std::string name = AnsiFromWide(std::wstring(relative.begin(), relative.end()));
    return baseFolder + (EndsWithSeparator(baseFolder) ? "" : "\\") + name;
}

// By the time it returns, an image that was not completed has been deleted.
DiscImageResult WriteImage(HWND owner, const std::wstring& base, const std::wstring& image, ImageInput& input) {
    DiscImageResult result;
    ImageFileSink sink(image);
    if (!sink.Open()) {
        result.error = DiscImageError::kWriteFailed;
        return result;
    }
    const std::unique_ptr<DiscTree> tree = input.Open(base);
    const std::wstring name = OwnName(base);
    ComApartment apartment;
    ShellProgress progress(owner, OwnName(image), base);
    result = WriteDiscImage(*tree, MakeVolumeLabel(std::u16string(name.begin(), name.end())), sink, &progress);
    if (result.Ok() && !sink.Commit()) result.error = DiscImageError::kWriteFailed;
    return result;
}

}  // namespace

std::unique_ptr<DiscTree> FolderImageInput::Open(const std::wstring& baseFolder) {
    return std::make_unique<FolderDiscTree>(baseFolder);
}

std::wstring DefaultImageName(const std::wstring& baseFolder) {
    const std::wstring name = OwnName(baseFolder);
    return (name.empty() ? L"CDROM" : name) + L".iso";
}

void MakeDiscImage(HWND owner, FormModel& form, Pickers& pickers, ImageInput& input) {
    const std::string& baseFolder = form.Settings().BaseFolder;
    const std::wstring base = WideFromAnsi(baseFolder);
    const std::optional<std::wstring> image = pickers.ChooseImageFile(owner, ParentFolder(base), DefaultImageName(base));
    if (!image) return;
    const std::string imageName = AnsiFromWide(*image);
    // It would hold itself, and grow as it is read.
    if (IsInsideBaseIgnoringCase(imageName, baseFolder)) return form.ImageInsideBase();

    const DiscImageResult result = WriteImage(owner, base, *image, input);
    form.ImageFinished(result, imageName, EntryPath(baseFolder, result.path));
}

}  // namespace plivora
