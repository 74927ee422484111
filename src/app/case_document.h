// What the windows know about the case being worked on, kept apart from Qt
// so that it can be tested: its file, whether the user has acted since it
// was opened or saved, which files may be written over without asking, the
// window title, and the status-line texts of prints and of a replay.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>

#include "app/codes.h"

namespace cfhx {

class CaseDocument {
public:
    // A fresh session (no file) whose recording stands at `changes`.
    void started(std::uint64_t changes);
    // Played in from `path`. The file is not yet ours to write over.
    void opened(std::string path, std::uint64_t changes);
    // What has been played in so far is the file (the user takes over).
    void upToDate(std::uint64_t changes) { savedAt_ = changes; }
    // Written to `path`; later saves there ask nothing.
    void saved(std::string path, std::uint64_t changes);
    // The user agreed to write over `path` (a save dialog's own question
    // counts).
    void overwriteAllowed(const std::string& path) { allowed_.insert(path); }

    const std::string& path() const { return path_; }
    bool unsaved(std::uint64_t changes) const { return changes != savedAt_; }
    // Saving to an existing file asks once per file and session.
    bool asksBeforeSaving(const std::string& path, bool exists) const {
        return exists && !allowed_.contains(path);
    }
    // "cfhx — case.cfhx *": the file's name (or the untitled name) and a
    // mark while there are unsaved actions.
    std::string title(Language language, std::uint64_t changes) const;

private:
    std::string path_;
    std::uint64_t savedAt_ = 0;
    std::set<std::string> allowed_;
};

// The file name of a path (after the last '/').
std::string_view fileName(std::string_view path);

// `stem` when `taken` says no file of it exists yet, else the first of
// stem-2, stem-3, … that is free: a new session never writes over the
// files of an earlier one.
std::string freshName(std::string_view stem, const std::function<bool(const std::string&)>& taken);

// A question asked before work could be lost or a file written over.
struct CaseQuestion {
    std::string caption;
    std::string text;
    bool offersSave = false;  // save / go on without saving / cancel; else go on / cancel
};
enum class CaseAnswer { Save, Go, Cancel };

// Why the session would be left.
enum class Leaving { Open, Finish };

// What to ask before leaving the session: opening a case while the program
// waits abandons the calculation; unsaved actions are offered a save.
// Nothing to ask: nullopt.
std::optional<CaseQuestion> leaveQuestion(Language language, Leaving why, bool waiting, bool unsaved,
                                         std::string_view caseName);
// Before a save writes over an existing file.
CaseQuestion overwriteQuestion(Language language, std::string_view fileName);

// What a print of the calculation was.
enum class PrintKind { Sheet, LinePrinter, PaneCopy, SummaryCopy };

// The status line for a print a replayed case made and that was left out
// (the `count`-th of the replay).
std::string skippedPrintStatus(Language language, PrintKind kind, int count);
// The status line after a print: where it went (a file or a printer).
std::string printedStatus(Language language, PrintKind kind, std::string_view where);
// The print dialog was closed without printing.
std::string printCancelledStatus(Language language);
// A replayed case reached the finish: the program carries on.
std::string finishNotReplayedStatus(Language language);
// The user kept the program running at a finish.
std::string finishCancelledStatus(Language language);

namespace case_texts {
inline constexpr std::string_view kProgram = "cfhx";
inline constexpr std::string_view kTitleJoin = " — ";
inline constexpr std::string_view kUnsavedMark = " *";

// The window title's untitled name, the questions and the status-line
// texts of a case, in one language.
struct CaseTexts {
    std::string_view untitled;
    std::string_view openCaption;
    std::string_view finishCaption;
    std::string_view saveCaption;
    std::string_view abandonOpen[2];  // around the case's name
    std::string_view unsavedOpen;
    std::string_view unsavedFinish;
    std::string_view exists;          // after the file's name
    std::string_view skippedPrint[3]; // before the print's name, before and after its count
    std::string_view printedTo;       // between the print's name and where it went
    std::string_view printCancelled;
    std::string_view finishNotReplayed;
    std::string_view finishCancelled;
    std::string_view printNames[4];   // in the order of PrintKind
};

inline constexpr CaseTexts kCaseJapanese{
    .untitled = "無題",
    .openCaption = "開く",
    .finishCaption = "終了",
    .saveCaption = "保存",
    .abandonOpen = {"計算を中止して ", " を開きますか？"},
    .unsavedOpen = "保存していない操作があります。開く前に保存しますか？",
    .unsavedFinish = "保存していない操作があります。終了する前に保存しますか？",
    .exists = " は既にあります。上書きしますか？",
    .skippedPrint = {"開いたケースの印刷は行いませんでした: ", "（", " 件目）。印刷はメニューの 1 で"},
    .printedTo = " → ",
    .printCancelled = "印刷を取り消しました",
    .finishNotReplayed = "開いたケースの終了操作は行いませんでした。計算開始/再設定 で計算します",
    .finishCancelled = "終了を取り消しました。計算開始/再設定 で計算します",
    .printNames = {"計算書", "計算書（プリンタ出力）", "計算表ハードコピー", "模式図ハードコピー"},
};
extern const CaseTexts kCaseEnglish;  // app/english_texts.cpp
inline const CaseTexts& caseTexts(Language language) {
    return language == Language::English ? kCaseEnglish : kCaseJapanese;
}
}  // namespace case_texts

}  // namespace cfhx
