// Stands in for the form's window: keeps what its controls show, so that a test can
// "type" into them before the model reads them back, and records every request in a log
// it may share with a fake platform, so tests see one order of events.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "form_model.h"

namespace plivora::fakes {

using EventLog = std::vector<std::string>;

class RecordingView : public FormView {
public:
    explicit RecordingView(EventLog& log) : log_(log) {}

    void RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) override;
    void ReadControls(ProjectSettings& settings, std::string& guidanceText) override;
    void RepaintBand() override;
    void ControlEnabled(int controlId, bool enabled) override;
    void ShowIconPicture(IconPicture picture, const std::string& chosenFile) override;
    bool Exists(const std::string& path) const override;
    std::optional<std::string> ReadFile(const std::string& path) const override;
    void SelectListPositions(int order, int prompt) override;

    // Enabled unless the model switched it off last.
    bool ShownEnabled(int controlId) const;

    ProjectSettings Controls;  // what the controls show
    std::string Label;         // what the guidance panel shows
    std::function<void()> DuringRefresh;
    // Paths that name nothing, as a name with stand-in letters does.
    std::set<std::string> Missing;
    // Files the view can read, by path.
    std::map<std::string, std::string> Files;

private:
    EventLog& log_;
    std::map<int, bool> enabled_;
};

}  // namespace plivora::fakes
