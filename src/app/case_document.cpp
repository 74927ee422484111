#include "app/case_document.h"

#include <utility>

namespace cfhx {
namespace {

struct PrintNames {
    PrintKind kind;
    std::string_view name;
};
constexpr PrintNames kPrintNames[] = {
    {.kind = PrintKind::Sheet, .name = "計算書"},
    {.kind = PrintKind::LinePrinter, .name = "計算書（プリンタ出力）"},
    {.kind = PrintKind::PaneCopy, .name = "計算表ハードコピー"},
    {.kind = PrintKind::SummaryCopy, .name = "模式図ハードコピー"},
};

std::string_view printName(PrintKind kind) {
    for (const PrintNames& p : kPrintNames) {
        if (p.kind == kind) return p.name;
    }
    return {};
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

std::string CaseDocument::title(std::uint64_t changes) const {
    std::string t(case_texts::kProgram);
    t += case_texts::kTitleJoin;
    t += path_.empty() ? case_texts::kUntitled : fileName(path_);
    if (unsaved(changes)) t += case_texts::kUnsavedMark;
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

std::optional<CaseQuestion> leaveQuestion(Leaving why, bool waiting, bool unsaved, std::string_view caseName) {
    const bool opening = why == Leaving::Open;
    if (!unsaved && !(opening && waiting)) return std::nullopt;
    CaseQuestion q{.caption = opening ? "開く" : "終了", .text = {}, .offersSave = unsaved};
    if (opening && waiting) q.text = "計算を中止して " + std::string(caseName) + " を開きますか？\n";
    if (unsaved) {
        q.text += opening ? "保存していない操作があります。開く前に保存しますか？"
                          : "保存していない操作があります。終了する前に保存しますか？";
    }
    if (!q.text.empty() && q.text.back() == '\n') q.text.pop_back();
    return q;
}

CaseQuestion overwriteQuestion(std::string_view fileName) {
    return {.caption = "保存", .text = std::string(fileName) + " は既にあります。上書きしますか？", .offersSave = false};
}

std::string skippedPrintStatus(PrintKind kind, int count) {
    return "開いたケースの印刷は行いませんでした: " + std::string(printName(kind)) + "（" + std::to_string(count) +
           " 件目）。印刷はメニューの 1 で";
}

std::string printedStatus(PrintKind kind, std::string_view where) {
    return std::string(printName(kind)) + " → " + std::string(where);
}

std::string printCancelledStatus() { return "印刷を取り消しました"; }

std::string finishNotReplayedStatus() { return "開いたケースの終了操作は行いませんでした。計算開始/再設定 で計算します"; }

std::string finishCancelledStatus() { return "終了を取り消しました。計算開始/再設定 で計算します"; }

}  // namespace cfhx
