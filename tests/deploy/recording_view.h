// A form view that records what the model asks of it, into a log it may share with a
// fake platform, so tests see one order of events.
#pragma once

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

    void RefreshControls(const ProjectSettings& settings, const std::string& guidanceText) override {
        log_.push_back("refresh");
        RefreshedSettings = settings;
        RefreshedText = guidanceText;
    }
    void ReadControls(ProjectSettings&, std::string&) override { log_.push_back("read"); }
    void RepaintBand() override { log_.push_back("repaint"); }
    void ControlEnabled(int controlId, bool enabled) override {
        log_.push_back("enable " + std::to_string(controlId) + (enabled ? " on" : " off"));
    }
    void ShowIconPicture(IconPicture, const std::string&) override { log_.push_back("picture"); }
    bool Exists(const std::string& path) const override { return Missing.count(path) == 0; }
    std::optional<std::string> ReadFile(const std::string& path) const override {
        return Files.count(path) ? std::optional<std::string>(Files.at(path)) : std::nullopt;
    }
    void SelectListPositions(int, int) override {}

    // Paths that name nothing.
    std::set<std::string> Missing;
    std::map<std::string, std::string> Files;  // by path
    ProjectSettings RefreshedSettings;
    std::string RefreshedText;

private:
    EventLog& log_;
};

}  // namespace plivora::fakes
