#include "disc_image_command.h"

#include "ansi_text.h"
#include "ansi_wide.h"
#include "base_paths.h"
#include "com.h"
#include "file_identity.h"
#include "file_in_use.h"
#include "folder_disc_tree.h"
#include "image_file_sink.h"
#include "shell_progress.h"
#include "volume_label.h"

namespace plivora {

namespace {

// The folder without separators at its end, unless it is a root such as "C:\".
std::u16string WithoutTrailingSeparators(std::u16string folder) {
    while (folder.size() > 3 && IsSeparator(folder.back())) folder.pop_back();
    return folder;
}

// The last name of a path; empty for a drive's root.
std::u16string OwnName(const std::u16string& path) {
    const std::u16string folder = WithoutTrailingSeparators(path);
    const std::size_t slash = folder.find_last_of(u"\\/");
    const std::u16string name = slash == std::u16string::npos ? folder : folder.substr(slash + 1);
    return name.size() == 2 && name[1] == u':' ? std::u16string() : name;
}

// Where the dialog opens: beside the base folder, where the image belongs.
std::u16string ParentFolder(const std::u16string& folder) {
    const std::u16string trimmed = WithoutTrailingSeparators(folder);
    const std::size_t slash = trimmed.find_last_of(u"\\/");
    if (slash == std::u16string::npos) return {};
    return trimmed.substr(0, slash == 2 ? 3 : slash);
}

std::string EntryPath(const std::string& baseFolder, const std::u16string& relative) {
    if (relative.empty()) return baseFolder;
    const std::string name = AnsiFromWide(relative);
    return baseFolder + (EndsWithSeparator(baseFolder) ? "" : "\\") + name;
}

// Why an older file at the image's name cannot be replaced. Refused before anything is
// written: Wine would replace a read-only file that Windows keeps.
DiscImageError TargetRefusal(const std::u16string& image) {
    const DWORD attributes = ::GetFileAttributesW(WideChars(image));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        return DiscImageError::kTargetReadOnly;
    return IsFileInUse(image) ? DiscImageError::kTargetInUse : DiscImageError::kNone;
}

// By the time it returns, an image that was not completed has been deleted.
DiscImageResult WriteImage(HWND owner, const std::u16string& base, const std::u16string& image,
                           ImageInput& input, const bool& stopRequested) {
    DiscImageResult result;
    result.error = TargetRefusal(image);
    if (!result.Ok()) return result;
    ImageFileSink sink(image);
    if (!sink.Open()) {
        result.error = DiscImageError::kWriteFailed;
        return result;
    }
    const std::unique_ptr<DiscTree> tree = input.Open(base, sink.PartialPath());
    const std::u16string name = OwnName(base);
    ComApartment apartment;
    ShellProgress progress(owner, OwnName(image), base, stopRequested);
    result = WriteDiscImage(*tree, MakeVolumeLabel(name), sink, &progress);
    if (result.Ok() && !sink.Commit()) result.error = DiscImageError::kWriteFailed;
    return result;
}

}  // namespace

std::unique_ptr<DiscTree> FolderImageInput::Open(const std::u16string& baseFolder,
                                                 const std::u16string& imageFile) {
    return std::make_unique<FolderDiscTree>(baseFolder, imageFile);
}

std::u16string DefaultImageName(const std::u16string& baseFolder) {
    const std::u16string name = OwnName(baseFolder);
    return (name.empty() ? u"CDROM" : name) + u".iso";
}

void MakeDiscImage(HWND owner, FormModel& form, Pickers& pickers, ImageInput& input,
                   const bool& stopRequested) {
    const std::string& baseFolder = form.Settings().BaseFolder;
    const std::u16string base = WideFromAnsi(baseFolder);
    const std::optional<std::u16string> image =
        pickers.ChooseImageFile(owner, ParentFolder(base), DefaultImageName(base));
    if (!image || stopRequested) return;
    const std::string imageName = AnsiFromWide(*image);
    // It would hold itself, and grow as it is read. The spelling answers the usual case;
    // short names, links and mapped drives need the folders themselves compared.
    if (IsInsideBase(imageName, baseFolder) || IsSameOrBelowFolder(ParentFolder(*image), base))
        return form.ImageInsideBase();

    const DiscImageResult result = WriteImage(owner, base, *image, input, stopRequested);
    form.ImageFinished(result, imageName, EntryPath(baseFolder, result.path));
}

}  // namespace plivora
