#include "guidance.h"

#include <array>

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

// Indexed by GuidanceMessage.
constexpr std::array<int, 27> MessageIds = {
    IDS_MSG_WELCOME,           IDS_MSG_BASE_FOLDER_CHOSEN, IDS_MSG_BASE_FOLDER_FAILED,
    IDS_MSG_FILE_OUTSIDE_BASE, IDS_MSG_TARGET_CHOSEN,      IDS_MSG_READY_TO_CREATE,
    IDS_MSG_ICON_OUTSIDE_BASE, IDS_MSG_ICON_CHOSEN,        IDS_MSG_WRITE_FAILED,
    IDS_MSG_COPY_FAILED,       IDS_MSG_UNUSABLE_NAME,      IDS_MSG_IMAGE_WRITTEN,
    IDS_MSG_IMAGE_INSIDE_BASE, IDS_MSG_IMAGE_FAILED,       IDS_MSG_IMAGE_CANCELLED,
    IDS_MSG_COPY_INCOMPLETE,   IDS_MSG_LAUNCHER_MISSING,   IDS_MSG_SWITCH_WITHOUT_FILE,
    IDS_MSG_FILE_NOT_IN_BASE,  IDS_MSG_TEXT_NOT_WRITABLE,  IDS_MSG_REMOVABLE_DRIVE,
    IDS_MSG_LARGER_THAN_CD,    IDS_MSG_DISC_REOPENED,      IDS_MSG_NO_DISC_HERE,
    IDS_MSG_FOREIGN_AUTORUN,   IDS_MSG_SETTINGS_LEFT_OUT,  IDS_MSG_LAUNCHER_IN_USE,
};
static_assert(MessageIds.size() == MsgLauncherInUse + 1, "one string id per message");

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
    const int index = static_cast<int>(message);
    if (index < 0 || index >= static_cast<int>(MessageIds.size())) return {};
    return Text(MessageIds[static_cast<std::size_t>(index)], insert, second);
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
