// The guidance panel's catalogue: ten help topics and the messages the form shows.
#pragma once

#include <optional>
#include <string>

namespace plivora {

enum GuidanceMessage {
    MsgWelcome,
    MsgBaseFolderChosen,
    MsgBaseFolderFailed,
    MsgFileOutsideBase,
    MsgTargetChosen,
    MsgReadyToCreate,
    MsgIconOutsideBase,
    MsgIconChosen,
    MsgWriteFailed,
    MsgCopyFailed,
    // A picked name the ANSI code page cannot hold, so it names nothing that exists.
    MsgUnusableName,
    // Make Disc Image's outcomes.
    MsgImageWritten,
    MsgImageInsideBase,
    MsgImageFailed,
    MsgImageCancelled,
    // Create and Test on a disk that failed them.
    MsgCopyIncomplete,
    MsgLauncherMissing,
    // Why Create wrote nothing: the line would name what the disc cannot hold or carry.
    MsgSwitchWithoutFile,
    MsgFileNotInBase,
    MsgTextNotWritable,
    // Written, but Windows will not do what the user expects of the disc.
    MsgRemovableDrive,
    MsgLargerThanCd,
    // A disc read back from its folder, or a folder whose autorun.inf is another's.
    MsgDiscReopened,
    MsgNoDiscHere,
    MsgForeignAutorun,
    // A disc read back without the names that would lead outside its folder.
    MsgSettingsLeftOut,
    // Create could not replace the disc's launcher: a program holds it open.
    MsgLauncherInUse,
    // Why Create wrote nothing: Try and Force is ticked without a program.
    MsgForceWithoutProgram,
};

struct HelpTopic {
    std::string Title;
    std::string Text;
};

// Where the texts come from by string id: the program's string table on Windows,
// the compiled-in texts elsewhere. Both are fed by guidance_strings.h.
class TextSource {
public:
    virtual ~TextSource() = default;
    virtual std::string Load(int stringId) const = 0;
};

// The texts of guidance_strings.h, compiled in.
class BuiltInTexts : public TextSource {
public:
    std::string Load(int stringId) const override;
};

class GuidanceCatalogue {
public:
    explicit GuidanceCatalogue(const TextSource& texts) : texts_(texts) {}

    // The topic of a help button; none for any other id.
    std::optional<HelpTopic> TopicFor(int helpButtonId) const;

    // insert and second replace the message's first and second %s, taken literally;
    // messages without a %s ignore them.
    std::string MessageText(GuidanceMessage message, const std::string& insert = {},
                            const std::string& second = {}) const;

    // Whether a Create that wrote and copied everything makes the message untrue, so that
    // the stage's own message takes its place. Help topics are no messages: they stay.
    bool ReplacedByFullCreate(GuidanceMessage message) const;

    // A text of the string table by id, with its %s replaced as MessageText does.
    std::string Text(int stringId, const std::string& insert, const std::string& second = {}) const;
    // Without inserts: the text as it stands.
    std::string Text(int stringId) const { return texts_.Load(stringId); }

private:
    const TextSource& texts_;
};

}  // namespace plivora
