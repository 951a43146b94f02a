#include "recording_view.h"

namespace plivora::fakes {

void RecordingView::RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) {
    log_.push_back("Refresh");
    Controls = settings;
    Label = guidanceText;
    if (DuringRefresh) DuringRefresh();
}

void RecordingView::ReadControls(ProjectSettings& settings, std::string& guidanceText) {
    log_.push_back("Read");
    settings = Controls;
    guidanceText = Label;
}

void RecordingView::RepaintBand() { log_.push_back("Repaint"); }

void RecordingView::ControlEnabled(int controlId, bool enabled) {
    log_.push_back((enabled ? "Enable " : "Disable ") + std::to_string(controlId));
    enabled_[controlId] = enabled;
}

void RecordingView::ShowIconPicture(IconPicture picture, const std::string& chosenFile) {
    static const char* const names[] = {"Application", "Cd", "File"};
    log_.push_back(std::string("Picture ") + names[static_cast<int>(picture)] + " " + chosenFile);
}

bool RecordingView::Exists(const std::string& path) const { return Missing.count(path) == 0; }

std::optional<std::string> RecordingView::ReadFile(const std::string& path) const {
    const auto found = Files.find(path);
    if (found == Files.end()) return std::nullopt;
    return found->second;
}

void RecordingView::SelectListPositions(int order, int prompt) {
    log_.push_back("Lists " + std::to_string(order) + " " + std::to_string(prompt));
}

bool RecordingView::ShownEnabled(int controlId) const {
    const auto found = enabled_.find(controlId);
    return found == enabled_.end() || found->second;
}

}  // namespace plivora::fakes
