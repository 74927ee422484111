// English texts of the result output that the display mode does not choose:
// the summary screen's refusals and the print note.
#include "report/menu_texts.h"
#include "report/summary_texts.h"

namespace cfhx {

const report::summary_texts::SummaryTexts report::summary_texts::kSummaryEnglish{
    .tooLargeSi = "     * The heat transfer area is too large!",
    .tooLarge = "     * Tube flow too small or heat transfer area too large!",
    .inletShortSi = "     * Not enough vapour at the inlet!",
    .inletShort = "     * Not enough vapour at the inlet!",
};

const report::menu_texts::PdfNoteTexts report::menu_texts::kPdfNoteEnglish{
    .note1 = "   Note: make sure the PC prints to PDF. ",
    .note2 = "         Several prints while this program runs",
    .question = "       go after the first file name. y/n ",
};

}  // namespace cfhx
