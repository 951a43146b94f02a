// Make Disc Image: asks where to save an image of the base folder, refuses a place
// inside it, writes it under the shell's progress dialog and has the form tell how it went.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "disc_tree.h"
#include "form_model.h"
#include "pickers.h"

namespace plivora {

// What the image is made of: the base folder itself, unless a test puts something in its place.
class ImageInput {
public:
    virtual ~ImageInput() = default;
    // imageFile: the file being written, which the tree must never list.
    virtual std::unique_ptr<DiscTree> Open(const std::u16string& baseFolder,
                                           const std::u16string& imageFile) = 0;
};

class FolderImageInput final : public ImageInput {
public:
    std::unique_ptr<DiscTree> Open(const std::u16string& baseFolder,
                                   const std::u16string& imageFile) override;
};

// stopRequested becomes true, meanwhile, when the form is closed: the image then stops as
// its Cancel would stop it.
void MakeDiscImage(HWND owner, FormModel& form, Pickers& pickers, ImageInput& input,
                   const bool& stopRequested);

// The base folder's own name plus ".iso"; a drive's root is named as its label would be.
std::u16string DefaultImageName(const std::u16string& baseFolder);

}  // namespace plivora
