// What the program needs from the machine it runs on. The Qt front end and
// the headless script driver each implement it; the waits run a nested
// event loop (or go on reading the script) so the screens stay live.
#pragma once

#include <string>
#include <string_view>

namespace cfhx {

struct Platform {
    virtual ~Platform() = default;
    // Waits for a line typed into the pane's answer line.
    virtual std::string readLine() = 0;
    // Shows that the program is stopped and waits until the user continues.
    virtual void pause() = 0;
    // A Yes/No question box; true for Yes.
    virtual bool askYesNo(std::string_view caption, std::string_view text) = 0;
    // Today as "YY/MM/DD".
    virtual std::string today() = 0;
};

// Today's date from the system clock, "YY/MM/DD".
std::string systemDate();

}  // namespace cfhx
