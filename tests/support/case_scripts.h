// Whole cases in the script driver's format, up to the calculate button's
// confirmation: the result's menu follows.
#pragma once

namespace cfhx::testing {

// Gas in the tubes and outside (sensible), radial fins, No. 5, old units.
inline constexpr const char* kGasCase =
    "click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON11\nyes\n"
    "click MAINFORM.BUTTON2\nclick MAINFORM.BUTTON6\nclick FORM6.BUTTON36\nclick FORM6.BUTTON39\n"
    "click FORM5.BUTTON53\nclick FORM5.BUTTON30\nclick MAINFORM.BUTTON9\nyes\n";
// Water in the tubes, condensing humid gas outside (latent), old units.
inline constexpr const char* kLatentCase =
    "click FORM4.BUTTON25\nclick MAINFORM.BUTTON18\nclick MAINFORM.BUTTON22\nclick MAINFORM.BUTTON3\n"
    "click MAINFORM.BUTTON5\nclick FORM5.BUTTON53\nclick FORM5.BUTTON30\nclick MAINFORM.BUTTON9\nyes\n";

}  // namespace cfhx::testing
