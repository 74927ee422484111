#include "app/case_document.h"

#include <utility>

namespace cfhx {
namespace {

namespace T = case_texts;

std::string_view printName(const T::CaseTexts& text, PrintKind kind) {
    return text.printNames[static_cast<int>(kind)];
}

}  // namespace

void CaseDocument::started(std::uint64_t changes) {
    path_.clear();
    savedAt_ = changes;
}

void CaseDocument::opened(std::string path, std::uint64_t changes) {
    path_ = std::move(path);
    savedAt_ = changes;
}

void CaseDocument::saved(std::string path, std::uint64_t changes) {
    allowed_.insert(path);
    path_ = std::move(path);
    savedAt_ = changes;
}

std::string CaseDocument::title(Language language, std::uint64_t changes) const {
    std::string t(T::kProgram);
    t += T::kTitleJoin;
    t += path_.empty() ? T::caseTexts(language).untitled : fileName(path_);
    if (unsaved(changes)) t += T::kUnsavedMark;
    return t;
}

std::string_view fileName(std::string_view path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string freshName(std::string_view stem, const std::function<bool(const std::string&)>& taken) {
    std::string name(stem);
    for (int n = 2; taken(name); ++n) name = std::string(stem) + "-" + std::to_string(n);
    return name;
}

std::optional<CaseQuestion> leaveQuestion(Language language, Leaving why, bool waiting, bool unsaved,
                                         std::string_view caseName) {
    const T::CaseTexts& text = T::caseTexts(language);
    const bool opening = why == Leaving::Open;
    if (!unsaved && !(opening && waiting)) return std::nullopt;
    CaseQuestion q{.caption = std::string(opening ? text.openCaption : text.finishCaption), .text = {},
                   .offersSave = unsaved};
    if (opening && waiting)
        q.text = std::string(text.abandonOpen[0]) + std::string(caseName) + std::string(text.abandonOpen[1]) + "\n";
    if (unsaved) q.text += opening ? text.unsavedOpen : text.unsavedFinish;
    if (!q.text.empty() && q.text.back() == '\n') q.text.pop_back();
    return q;
}

CaseQuestion overwriteQuestion(Language language, std::string_view fileName) {
    const T::CaseTexts& text = T::caseTexts(language);
    return {.caption = std::string(text.saveCaption), .text = std::string(fileName) + std::string(text.exists),
            .offersSave = false};
}

std::string skippedPrintStatus(Language language, PrintKind kind, int count) {
    const T::CaseTexts& text = T::caseTexts(language);
    return std::string(text.skippedPrint[0]) + std::string(printName(text, kind)) + std::string(text.skippedPrint[1]) +
           std::to_string(count) + std::string(text.skippedPrint[2]);
}

std::string printedStatus(Language language, PrintKind kind, std::string_view where) {
    const T::CaseTexts& text = T::caseTexts(language);
    return std::string(printName(text, kind)) + std::string(text.printedTo) + std::string(where);
}

std::string printCancelledStatus(Language language) { return std::string(T::caseTexts(language).printCancelled); }

std::string finishNotReplayedStatus(Language language) { return std::string(T::caseTexts(language).finishNotReplayed); }

std::string finishCancelledStatus(Language language) { return std::string(T::caseTexts(language).finishCancelled); }

}  // namespace cfhx
