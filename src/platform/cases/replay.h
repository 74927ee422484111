// A saved session played into a running program (the windows' 開く…): its
// actions run as if the user made them, and at each wait the file's next
// line answers it when it is an answer of that kind. Where the file ends,
// or its next line does not fit the wait, the replay stops and the user
// carries on from there.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cfhx {

struct App;

enum class ReplayWait { Line, Pause, YesNo };

class Replay {
public:
    Replay(App& app, std::string_view script);

    // Runs the file from its first line; returns when the file is used up
    // or the replay stopped.
    void run();
    // At a wait: the file's answer ("yes"/"no" for a box, "" for a pause),
    // or nothing when the user answers.
    std::optional<std::string> answer(ReplayWait wait);

    bool stopped() const { return stopped_; }
    // 1-based number of the line the replay stopped at; 0 when the whole
    // file was played.
    int stopLine() const { return stopLine_; }

private:
    // Runs lines until one answers `wait`; nullopt at the file's end, at a
    // line that answers another wait, or at one that is not an action.
    std::optional<std::string> runUntil(std::optional<ReplayWait> wait);
    void stop(size_t line);

    App& app_;
    std::vector<std::string> lines_;
    size_t next_ = 0;
    bool stopped_ = false;
    int stopLine_ = 0;
};

}  // namespace cfhx
