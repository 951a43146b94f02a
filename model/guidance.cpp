#include "guidance.h"

#include <array>
#include <iterator>

#include "control_ids.h"
#include "guidance_strings.h"

namespace plivora {

namespace {

struct TopicIds {
    int HelpButtonId;
    int TitleId;
    int TextId;
};

constexpr std::array<TopicIds, 10> Topics = {{
    {IDC_HELP_BASE_FOLDER, IDS_TOPIC_TITLE_BASE_FOLDER, IDS_TOPIC_TEXT_BASE_FOLDER},
    {IDC_HELP_TARGET, IDS_TOPIC_TITLE_TARGET, IDS_TOPIC_TEXT_TARGET},
    {IDC_HELP_ICON, IDS_TOPIC_TITLE_ICON, IDS_TOPIC_TEXT_ICON},
    {IDC_HELP_VERBOSE, IDS_TOPIC_TITLE_VERBOSE, IDS_TOPIC_TEXT_VERBOSE},
    {IDC_HELP_NO_REGISTRY, IDS_TOPIC_TITLE_NO_REGISTRY, IDS_TOPIC_TEXT_NO_REGISTRY},
    {IDC_HELP_HIDE, IDS_TOPIC_TITLE_HIDE, IDS_TOPIC_TEXT_HIDE},
    {IDC_HELP_FORCE, IDS_TOPIC_TITLE_FORCE, IDS_TOPIC_TEXT_FORCE},
    {IDC_HELP_SECONDARY, IDS_TOPIC_TITLE_SECONDARY, IDS_TOPIC_TEXT_SECONDARY},
    {IDC_HELP_SPLASH, IDS_TOPIC_TITLE_SPLASH, IDS_TOPIC_TEXT_SPLASH},
    {IDC_HELP_SECONDARY_PARAMS, IDS_TOPIC_TITLE_SECONDARY_PARAMS, IDS_TOPIC_TEXT_SECONDARY_PARAMS},
}};

// What a Create that wrote and copied everything does to a message on the panel: it
// replaces what it has made untrue (its own failures and warnings, an earlier account of
// the folder's autorun.inf, an image of the folder as it was) and leaves the stage
// messages, a picker's own warnings and an image that failed or was cancelled.
enum AfterFullCreate { Stays, Replaced };

struct MessageEntry {
    // Both parts named: a message added later must say what a Create does to it.
    constexpr MessageEntry(int text, AfterFullCreate afterCreate) : TextId(text), AfterCreate(afterCreate) {}
    int TextId;
    AfterFullCreate AfterCreate;
};

// Indexed by GuidanceMessage.
constexpr MessageEntry Messages[] = {
    {IDS_MSG_WELCOME, Stays},
    {IDS_MSG_BASE_FOLDER_CHOSEN, Stays},
    {IDS_MSG_BASE_FOLDER_FAILED, Stays},
    {IDS_MSG_FILE_OUTSIDE_BASE, Stays},
    {IDS_MSG_TARGET_CHOSEN, Stays},
    {IDS_MSG_READY_TO_CREATE, Stays},
    {IDS_MSG_ICON_OUTSIDE_BASE, Stays},
    {IDS_MSG_ICON_CHOSEN, Stays},
    {IDS_MSG_WRITE_FAILED, Replaced},
    {IDS_MSG_COPY_FAILED, Replaced},
    {IDS_MSG_UNUSABLE_NAME, Stays},
    {IDS_MSG_IMAGE_WRITTEN, Replaced},
    {IDS_MSG_IMAGE_INSIDE_BASE, Stays},
    {IDS_MSG_IMAGE_FAILED, Stays},
    {IDS_MSG_IMAGE_CANCELLED, Stays},
    {IDS_MSG_COPY_INCOMPLETE, Replaced},
    {IDS_MSG_LAUNCHER_MISSING, Replaced},
    {IDS_MSG_SWITCH_WITHOUT_FILE, Replaced},
    {IDS_MSG_FILE_NOT_IN_BASE, Replaced},
    {IDS_MSG_TEXT_NOT_WRITABLE, Replaced},
    {IDS_MSG_REMOVABLE_DRIVE, Replaced},
    {IDS_MSG_LARGER_THAN_CD, Replaced},
    {IDS_MSG_DISC_REOPENED, Replaced},
    {IDS_MSG_NO_DISC_HERE, Replaced},
    {IDS_MSG_FOREIGN_AUTORUN, Replaced},
    {IDS_MSG_SETTINGS_LEFT_OUT, Replaced},
    {IDS_MSG_LAUNCHER_IN_USE, Replaced},
    {IDS_MSG_FORCE_WITHOUT_PROGRAM, Replaced},
};
static_assert(std::size(Messages) == MsgForceWithoutProgram + 1, "one entry per message");

const MessageEntry* EntryOf(GuidanceMessage message) {
    const auto index = static_cast<std::size_t>(message);
    return index < std::size(Messages) ? &Messages[index] : nullptr;
}

}  // namespace

std::optional<HelpTopic> GuidanceCatalogue::TopicFor(int helpButtonId) const {
    for (const TopicIds& topic : Topics) {
        if (topic.HelpButtonId == helpButtonId) {
            return HelpTopic{texts_.Load(topic.TitleId), texts_.Load(topic.TextId)};
        }
    }
    return std::nullopt;
}

std::string GuidanceCatalogue::MessageText(GuidanceMessage message, const std::string& insert,
                                           const std::string& second) const {
    const MessageEntry* entry = EntryOf(message);
    return entry ? Text(entry->TextId, insert, second) : std::string();
}

bool GuidanceCatalogue::ReplacedByFullCreate(GuidanceMessage message) const {
    const MessageEntry* entry = EntryOf(message);
    return entry && entry->AfterCreate == Replaced;
}

std::string GuidanceCatalogue::Text(int stringId, const std::string& insert,
                                    const std::string& second) const {
    std::string text = texts_.Load(stringId);
    // Plain substitutions, each searched for after the last: a path may hold '%' and be of any length.
    std::size_t from = 0;
    for (const std::string* value : {&insert, &second}) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos) break;
        text.replace(at, 2, *value);
        from = at + value->size();
    }
    return text;
}

}  // namespace plivora
