// The printed calculation sheet: rows per case and mode, SI against old
// figures, the page break, the line widths, and reviewed sheets of three
// cases in every mode.
#include "report/sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "app/text_width.h"
#include "support/result_records.h"
#include "support/sample_runs.h"
#include "support/files.h"

namespace cfhx {
namespace {

using calc::Record;
using report::sheetLines;
using report::sheetPages;
namespace fs = std::filesystem;

constexpr const char* kDate = "07/03/05";

// Lines holding `key`.
int countLines(const std::vector<std::string>& lines, const std::string& key) {
    int n = 0;
    for (const auto& l : lines) n += l.find(key) != std::string::npos ? 1 : 0;
    return n;
}

// The number printed after the first `key` ("Tti=") of the lines from `from` on.
double figureAfter(const std::vector<std::string>& lines, const std::string& key, size_t from = 0) {
    for (size_t i = from; i < lines.size(); ++i) {
        const size_t at = lines[i].find(key);
        if (at != std::string::npos) return std::strtod(lines[i].c_str() + at + key.size(), nullptr);
    }
    ADD_FAILURE() << "no " << key;
    return NAN;
}

using Variant = std::function<void(Record&)>;

void none(Record&) {}

// Water in the tubes with a liquid's conductivity and viscosity (kcal/mh℃, m2/h).
void water(Record& r) {
    testing::makeWaterTubes(r);
    r.Kt = 0.55f;
    r.VIt = 0.0018f;
}

// A typed-in single-component vapour condensing in the tubes, 36 kg/h.
void vapour(Record& r) {
    testing::makeTypedIn(r, 2);
    r.flags.sVAP = "y";
    r.Wc = 36;
}

// The set-up choices: (A) 1 the shell outlet, 2 rows and length given;
// (C) 1 the shell flow, 2 the tube outlet given.
void shellOutletGiven(Record& r) { r.ChoiceA = 1; }
void bothOutletsGiven(Record& r) {
    r.ChoiceA = 1;
    r.ChoiceC = 2;
}

// ---- Row conditions -------------------------------------------------------------

struct RowCase {
    const char* name;
    Variant variant;
    const char* mode;
    const char* key;  // a mask name only the row(s) of interest print
    int lines;        // how many lines hold it
};

const RowCase kRowCases[] = {
    // Fin rows: conductivity, efficiency, effective area, fin diameter.
    {.name = "finned J fin conductivity", .variant = none, .mode = "J", .key = "< Kf=", .lines = 1},
    {.name = "bare J fin conductivity", .variant = testing::makeBare, .mode = "J", .key = "< Kf=", .lines = 0},
    {.name = "finned JSI fin conductivity", .variant = none, .mode = "JSI", .key = "< KF=", .lines = 1},
    {.name = "bare JSI fin conductivity", .variant = testing::makeBare, .mode = "JSI", .key = "< KF=", .lines = 0},
    {.name = "finned J fin efficiency", .variant = none, .mode = "J", .key = "│ Es=0.", .lines = 1},
    {.name = "bare J fin efficiency", .variant = testing::makeBare, .mode = "J", .key = "│ Es=0.", .lines = 0},
    {.name = "finned J areas", .variant = none, .mode = "J", .key = "│Ao=", .lines = 2},
    {.name = "bare J areas", .variant = testing::makeBare, .mode = "J", .key = "│Ao=", .lines = 1},
    {.name = "finned JSI areas", .variant = none, .mode = "JSI", .key = "│As=", .lines = 2},
    {.name = "bare JSI areas", .variant = testing::makeBare, .mode = "JSI", .key = "│As=", .lines = 1},
    {.name = "finned J fin diameter", .variant = none, .mode = "J", .key = "< Df=", .lines = 1},
    {.name = "bare J fin diameter", .variant = testing::makeBare, .mode = "J", .key = "< Df=", .lines = 0},
    {.name = "bare JSI fin efficiency", .variant = testing::makeBare, .mode = "JSI", .key = "EA=", .lines = 0},
    {.name = "finned JSI fin efficiency", .variant = none, .mode = "JSI", .key = "EA=", .lines = 1},
    // Twisted tape: the tape pitch row, Reynolds number with one decimal.
    {.name = "no tape J pitch", .variant = none, .mode = "J", .key = "< Pich=", .lines = 0},
    {.name = "tape J pitch", .variant = testing::makeTape, .mode = "J", .key = "< Pich=", .lines = 1},
    {.name = "tape JSI Reynolds", .variant = testing::makeTape, .mode = "JSI", .key = "Ret= 1234.5", .lines = 1},
    {.name = "no tape J Reynolds", .variant = none, .mode = "J", .key = "Ret=  21000", .lines = 1},
    // Sensible gas/gas: no humid-gas table, no end mark, no phase row.
    {.name = "sensible J wet table", .variant = none, .mode = "J", .key = "VNi=", .lines = 0},
    {.name = "sensible JSI end mark", .variant = none, .mode = "JSI", .key = "END", .lines = 0},
    {.name = "sensible J condensate", .variant = none, .mode = "J", .key = "Wtc=", .lines = 0},
    // Latent sides: the humid-gas table of that side and its end mark.
    {.name = "latent shell J wet table", .variant = testing::makeLatentShell, .mode = "J", .key = "VNi=", .lines = 1},
    {.name = "latent shell J ratio", .variant = testing::makeLatentShell, .mode = "J", .key = "< MS =", .lines = 1},
    {.name = "latent tube J ratio", .variant = testing::makeLatentTube, .mode = "J", .key = "< WT =", .lines = 1},
    {.name = "latent tube JSI ratio", .variant = testing::makeLatentTube, .mode = "JSI", .key = "< WS =", .lines = 0},
    {.name = "latent shell JSI end", .variant = testing::makeLatentShell, .mode = "JSI", .key = "END", .lines = 1},
    {.name = "latent shell J condensate", .variant = testing::makeLatentShell, .mode = "J", .key = "│Wo=", .lines = 1},
    {.name = "latent shell J shell Kc", .variant = testing::makeLatentShell, .mode = "J", .key = "│ Kc=", .lines = 1},
    {.name = "latent tube J tube Kc", .variant = testing::makeLatentTube, .mode = "J", .key = "┃ Kc=", .lines = 1},
    {.name = "latent shell J corrected LMTD", .variant = testing::makeLatentShell, .mode = "J", .key = "correct.fact.", .lines = 1},
    // Water in the tubes: no tube normal density, the liquid pressure-loss row.
    {.name = "water J normal density", .variant = water, .mode = "J", .key = "Dnt=", .lines = 0},
    {.name = "gas J normal density", .variant = none, .mode = "J", .key = "Dnt=", .lines = 1},
    {.name = "water JSI loss", .variant = water, .mode = "JSI", .key = "DPs=####", .lines = 0},
    // Typed-in properties: no property temperature line.
    {.name = "typed-in J property temperature", .variant = [](Record& r) { testing::makeTypedIn(r, 2); },
     .mode = "J", .key = "Shell:", .lines = 1},
    {.name = "computed J property temperatures", .variant = none, .mode = "J", .key = "Shell:", .lines = 2},
    // Computed rows and length are dashed in the set conditions.
    {.name = "rows computed J", .variant = [](Record& r) { r.flags.sPROC = "3"; }, .mode = "J", .key = "< Nv=  －", .lines = 1},
    {.name = "length computed JSI", .variant = [](Record& r) { r.flags.sPROC = "1"; }, .mode = "JSI", .key = "< TL=  －", .lines = 1},
    {.name = "length entered JSI", .variant = none, .mode = "JSI", .key = "< TL=  －", .lines = 0},
    // Evaporation in the tubes: refrigerant saturation rows.
    {.name = "evaporation JSI", .variant = [](Record& r) { r.PhaseChangeKind = 1; }, .mode = "JSI", .key = "< Psat=", .lines = 1},
    {.name = "no phase change JSI", .variant = none, .mode = "JSI", .key = "< Psat=", .lines = 0},
    // Tube saturation rows by the coefficient mode.
    {.name = "both computed J", .variant = [](Record& r) { r.HtcMode = 1; }, .mode = "J", .key = "┃ Pt=", .lines = 1},
    {.name = "tube given J", .variant = none, .mode = "J", .key = "┃ Pt=", .lines = 0},
    // The English sheets: fin rows.
    {.name = "finned E fin conductivity", .variant = none, .mode = "E", .key = "< Kf=", .lines = 1},
    {.name = "bare E fin conductivity", .variant = testing::makeBare, .mode = "E", .key = "< Kf=", .lines = 0},
    {.name = "finned ESI fin conductivity", .variant = none, .mode = "ESI", .key = "< KF=", .lines = 1},
    {.name = "bare ESI fin conductivity", .variant = testing::makeBare, .mode = "ESI", .key = "< KF=", .lines = 0},
    {.name = "finned E fin efficiency", .variant = none, .mode = "E", .key = "│ Es=0.", .lines = 1},
    {.name = "bare E fin efficiency", .variant = testing::makeBare, .mode = "E", .key = "│ Es=0.", .lines = 0},
    {.name = "finned ESI fin efficiency", .variant = none, .mode = "ESI", .key = "│ Fe=0.", .lines = 1},
    {.name = "bare ESI fin efficiency", .variant = testing::makeBare, .mode = "ESI", .key = "│ Fe=0.", .lines = 0},
    {.name = "finned E areas", .variant = none, .mode = "E", .key = "│Ao=", .lines = 2},
    {.name = "bare E areas", .variant = testing::makeBare, .mode = "E", .key = "│Ao=", .lines = 1},
    {.name = "finned ESI effective area", .variant = none, .mode = "ESI", .key = "EFFECTIV", .lines = 1},
    {.name = "bare ESI effective area", .variant = testing::makeBare, .mode = "ESI", .key = "EFFECTIV", .lines = 0},
    {.name = "finned E fin diameter", .variant = none, .mode = "E", .key = "< Df=", .lines = 1},
    {.name = "bare ESI fin diameter", .variant = testing::makeBare, .mode = "ESI", .key = "< Df=", .lines = 0},
    {.name = "bare E fin pitch still printed", .variant = testing::makeBare, .mode = "E", .key = "< I =", .lines = 1},
    // The English sheets: twisted tape.
    {.name = "no tape E pitch", .variant = none, .mode = "E", .key = "< Pich=", .lines = 0},
    {.name = "tape ESI pitch", .variant = testing::makeTape, .mode = "ESI", .key = "< Pich=", .lines = 1},
    {.name = "tape E Reynolds", .variant = testing::makeTape, .mode = "E", .key = "Ret= 1234.5", .lines = 1},
    {.name = "no tape ESI Reynolds", .variant = none, .mode = "ESI", .key = "Ret=  21000", .lines = 1},
    // The English sheets: humid-gas tables, their end mark and the wet enhancement rows.
    {.name = "sensible E wet table", .variant = none, .mode = "E", .key = "VNi=", .lines = 0},
    {.name = "sensible ESI end mark", .variant = none, .mode = "ESI", .key = "END", .lines = 0},
    {.name = "latent shell E wet table", .variant = testing::makeLatentShell, .mode = "E", .key = "Shell side wet", .lines = 1},
    {.name = "latent tube ESI wet table", .variant = testing::makeLatentTube, .mode = "ESI", .key = "Tube side wet", .lines = 1},
    {.name = "latent tube E total water", .variant = testing::makeLatentTube, .mode = "E", .key = "< Wm =", .lines = 1},
    {.name = "latent tube ESI total water", .variant = testing::makeLatentTube, .mode = "ESI", .key = "< Wm =", .lines = 1},
    {.name = "latent tube E enthalpy unit", .variant = testing::makeLatentTube, .mode = "E", .key = " kcal/kg┃", .lines = 1},
    {.name = "latent shell E enthalpy unit", .variant = testing::makeLatentShell, .mode = "E", .key = " kcal/kg┃", .lines = 1},
    {.name = "latent shell E end", .variant = testing::makeLatentShell, .mode = "E", .key = "END", .lines = 1},
    {.name = "latent shell E shell Kc", .variant = testing::makeLatentShell, .mode = "E", .key = "│ Kc=", .lines = 1},
    {.name = "latent tube ESI tube Kc", .variant = testing::makeLatentTube, .mode = "ESI", .key = "┃ Kc=", .lines = 1},
    {.name = "latent shell E second line", .variant = testing::makeLatentShell, .mode = "E", .key = "GAS HEAT TRANSFER", .lines = 1},
    {.name = "sensible ESI second line", .variant = none, .mode = "ESI", .key = "GAS HEAT TRANSFER", .lines = 0},
    {.name = "latent shell ESI corrected LMTD", .variant = testing::makeLatentShell, .mode = "ESI", .key = "correct.fact.", .lines = 1},
    // The latent arrangement shows the rating's duty Q, the others the branch's Q2 (300000 kcal/h).
    {.name = "latent shell E duty of the rating", .variant = [](Record& r) { testing::makeLatentShell(r); r.Q = 250000; },
     .mode = "E", .key = "< Q= 250000.0", .lines = 1},
    {.name = "sensible E duty of the branch", .variant = [](Record& r) { r.Q = 250000; }, .mode = "E",
     .key = "< Q= 300000.0", .lines = 1},
    {.name = "latent shell E set saturation inlet", .variant = testing::makeLatentShell, .mode = "E", .key = "Tsi=  60.0", .lines = 1},
    // The English sheets: water in the tubes.
    {.name = "water E normal density", .variant = water, .mode = "E", .key = "Dni=", .lines = 0},
    {.name = "gas E normal density", .variant = none, .mode = "E", .key = "Dni=", .lines = 1},
    {.name = "water ESI normal density", .variant = water, .mode = "ESI", .key = "Dnt=", .lines = 0},
    {.name = "water E loss", .variant = water, .mode = "E", .key = "kg/cm2,mmAq", .lines = 1},
    {.name = "water ESI loss", .variant = water, .mode = "ESI", .key = "MPa / Pa", .lines = 1},
    {.name = "gas ESI loss", .variant = none, .mode = "ESI", .key = "MPa / Pa", .lines = 0},
    {.name = "water E set flow in t/h", .variant = water, .mode = "E", .key = "Wt= 10.0", .lines = 1},
    {.name = "water E weight flow", .variant = water, .mode = "E", .key = "Wt= 10000.0", .lines = 1},
    // Gas tubes: the shell weight flow as given (Ws not 0) or from the actual flow.
    {.name = "shell mass given E", .variant = none, .mode = "E", .key = "│ Ws= 13000.0┃   kg/h", .lines = 1},
    {.name = "shell mass open E", .variant = [](Record& r) { r.Ws = 0; }, .mode = "E", .key = "│ Ws= 13000.0┃   kg/h",
     .lines = 1},
    // Typed-in properties and the condensing vapour.
    {.name = "typed-in E property temperature", .variant = [](Record& r) { testing::makeTypedIn(r, 2); },
     .mode = "E", .key = "Shell:", .lines = 1},
    {.name = "computed ESI property temperatures", .variant = none, .mode = "ESI", .key = "Shell:", .lines = 2},
    {.name = "typed-in E set flow", .variant = [](Record& r) { testing::makeTypedIn(r, 2); }, .mode = "E",
     .key = "Wt= 10400.0│ Ws= 12930.0┃   kg/h", .lines = 1},
    {.name = "vapour E condensate", .variant = vapour, .mode = "E", .key = "Wtc=  36.0", .lines = 1},
    {.name = "vapour ESI condensate in g/s", .variant = vapour, .mode = "ESI", .key = "Wfc=10.000", .lines = 1},
    {.name = "vapour E efficiency", .variant = vapour, .mode = "E", .key = "Et=", .lines = 0},
    {.name = "gas ESI condensate", .variant = none, .mode = "ESI", .key = "Wfc=", .lines = 0},
    {.name = "vapour J condensate in kg/s", .variant = vapour, .mode = "J", .key = "Wtc=0.0100", .lines = 1},
    {.name = "latent shell J shell condensate in kg/s", .variant = [](Record& r) { testing::makeLatentShell(r); r.Wo = 360; },
     .mode = "J", .key = "│Wo=   0.1", .lines = 1},
    // Set temperatures: the inlets and the outlets given.
    {.name = "rows and length E outlets", .variant = none, .mode = "E", .key = "OUTLET TEMPERATURE", .lines = 0},
    {.name = "shell outlet E", .variant = shellOutletGiven, .mode = "E", .key = "┃     －     │ Tso= 120.0", .lines = 1},
    {.name = "shell outlet ESI", .variant = shellOutletGiven, .mode = "ESI", .key = "OUTLET TEMPERATURE", .lines = 1},
    {.name = "both outlets E", .variant = bothOutletsGiven, .mode = "E", .key = "Tto= 180.0 │ TSo= 120.0", .lines = 1},
    {.name = "both outlets ESI", .variant = bothOutletsGiven, .mode = "ESI", .key = "OUTLET TEMPERATURE", .lines = 1},
    // Rows and length given: the bundle width and front rows; otherwise the front rows alone.
    {.name = "rows and length E width", .variant = none, .mode = "E", .key = "< H = 1.500 >", .lines = 1},
    {.name = "rows and length ESI width", .variant = none, .mode = "ESI", .key = "< H = 1500.0 >", .lines = 1},
    {.name = "shell outlet E width", .variant = shellOutletGiven, .mode = "E", .key = "WIDTH OF TUBE BUNDLE", .lines = 0},
    {.name = "shell outlet E front rows", .variant = shellOutletGiven, .mode = "E", .key = "┃   －     ┃", .lines = 1},
    {.name = "rows computed E front rows", .variant = [](Record& r) { r.ChoiceA = 1; r.flags.sPROC = "3"; },
     .mode = "E", .key = "VERTICAL TUBE NUMBER    ┃      <", .lines = 0},
    // Refrigerant rows in the SI sheet only; the tube saturation rows by the coefficient mode.
    {.name = "evaporation ESI", .variant = [](Record& r) { r.PhaseChangeKind = 1; }, .mode = "ESI", .key = "< Psat=", .lines = 1},
    {.name = "evaporation E", .variant = [](Record& r) { r.PhaseChangeKind = 1; }, .mode = "E", .key = "< Psat=", .lines = 0},
    {.name = "both computed E", .variant = [](Record& r) { r.HtcMode = 1; }, .mode = "E", .key = "  kgf/m　 ┃", .lines = 1},
    {.name = "shell given E", .variant = [](Record& r) { r.HtcMode = 3; }, .mode = "E", .key = "  kgf/m   ┃", .lines = 1},
    {.name = "shell given ESI", .variant = [](Record& r) { r.HtcMode = 3; }, .mode = "ESI", .key = "SRFACETENTION", .lines = 1},
    {.name = "tube given ESI", .variant = none, .mode = "ESI", .key = "SRFACETENTION", .lines = 0},
    // Each input table under its own column heading.
    {.name = "E properties heading", .variant = none, .mode = "E", .key = "Iems", .lines = 1},
    {.name = "ESI other headings", .variant = none, .mode = "ESI", .key = "┃No│        Items           ┃", .lines = 4},
};

TEST(Sheet, PrintsTheRowsOfItsCase) {
    for (const RowCase& c : kRowCases) {
        SCOPED_TRACE(c.name);
        Record r = testing::finishedGasSheetRun();
        c.variant(r);
        EXPECT_EQ(countLines(sheetLines(r, c.mode, kDate), c.key), c.lines);
    }
}

// ---- SI against old figures -------------------------------------------------------

struct FigureCase {
    const char* name;
    const char* oldMode;
    const char* siMode;
    const char* oldKey;
    const char* siKey;
    int page;  // 0 input, 1 results
    double oldValue, siValue;
};

// Temperatures +273, heat ×1.163, lengths m → mm, losses mmAq → Pa.
const FigureCase kFigureCases[] = {
    {.name = "set tube inlet", .oldMode = "J", .siMode = "JSI", .oldKey = "Tti=", .siKey = "Tti=", .page = 0, .oldValue = 300.0, .siValue = 573.0},
    {.name = "set shell inlet", .oldMode = "J", .siMode = "JSI", .oldKey = "Tsi=", .siKey = "Tsi=", .page = 0, .oldValue = 20.0, .siValue = 293.0},
    {.name = "result tube outlet", .oldMode = "J", .siMode = "JSI", .oldKey = "Tto=", .siKey = "Tto=", .page = 1, .oldValue = 180.0, .siValue = 453.0},
    {.name = "result shell outlet", .oldMode = "J", .siMode = "JSI", .oldKey = "Tso=", .siKey = "Tso=", .page = 1, .oldValue = 120.0, .siValue = 393.0},
    {.name = "wall", .oldMode = "J", .siMode = "JSI", .oldKey = "Twav=", .siKey = "Twav=", .page = 1, .oldValue = 110.0, .siValue = 383.0},
    {.name = "duty", .oldMode = "J", .siMode = "JSI", .oldKey = "Q=", .siKey = "Q=", .page = 1, .oldValue = 300000.0, .siValue = 348900.0},
    {.name = "overall coefficient", .oldMode = "J", .siMode = "JSI", .oldKey = "KI=", .siKey = "KI=", .page = 1, .oldValue = 32.5, .siValue = 37.8},
    {.name = "tube length", .oldMode = "J", .siMode = "JSI", .oldKey = "TL=", .siKey = "TL=", .page = 0, .oldValue = 3.0, .siValue = 3000.0},
    {.name = "tube diameter", .oldMode = "J", .siMode = "JSI", .oldKey = "DI=", .siKey = "DI=", .page = 0, .oldValue = 0.0278, .siValue = 27.8},
    {.name = "specific heat", .oldMode = "J", .siMode = "JSI", .oldKey = "Ct=", .siKey = "Ct=", .page = 0, .oldValue = 0.26, .siValue = 1.1},
    {.name = "E set tube inlet", .oldMode = "E", .siMode = "ESI", .oldKey = "Tti=", .siKey = "Tti=", .page = 0, .oldValue = 300.0, .siValue = 573.0},
    {.name = "E set shell inlet", .oldMode = "E", .siMode = "ESI", .oldKey = "Tsi=", .siKey = "Tsi=", .page = 0, .oldValue = 20.0, .siValue = 293.0},
    {.name = "E result tube outlet", .oldMode = "E", .siMode = "ESI", .oldKey = "Tto=", .siKey = "Tto=", .page = 1, .oldValue = 180.0, .siValue = 453.0},
    {.name = "E result shell outlet", .oldMode = "E", .siMode = "ESI", .oldKey = "Tso=", .siKey = "Tso=", .page = 1, .oldValue = 120.0, .siValue = 393.0},
    {.name = "E wall", .oldMode = "E", .siMode = "ESI", .oldKey = "Twav=", .siKey = "Tw=", .page = 1, .oldValue = 110.0, .siValue = 383.0},
    {.name = "E duty", .oldMode = "E", .siMode = "ESI", .oldKey = "Q=", .siKey = "Q=", .page = 1, .oldValue = 300000.0, .siValue = 348900.0},
    {.name = "E overall coefficient", .oldMode = "E", .siMode = "ESI", .oldKey = "Kt=", .siKey = "KI=", .page = 1, .oldValue = 32.5, .siValue = 37.8},
    {.name = "E tube length", .oldMode = "E", .siMode = "ESI", .oldKey = "TL=", .siKey = "TL=", .page = 0, .oldValue = 3.0, .siValue = 3000.0},
    {.name = "E bundle width", .oldMode = "E", .siMode = "ESI", .oldKey = "< H =", .siKey = "< H =", .page = 0, .oldValue = 1.5, .siValue = 1500.0},
    {.name = "E tube diameter", .oldMode = "E", .siMode = "ESI", .oldKey = "DI=", .siKey = "DI=", .page = 0, .oldValue = 0.0278, .siValue = 27.8},
    {.name = "E specific heat", .oldMode = "E", .siMode = "ESI", .oldKey = "Ct=", .siKey = "Ct=", .page = 0, .oldValue = 0.26, .siValue = 1.1},
    {.name = "E shell loss", .oldMode = "E", .siMode = "ESI", .oldKey = "DPs=", .siKey = "DPs=", .page = 1, .oldValue = 30.0, .siValue = 294.0},
    {.name = "E tube loss", .oldMode = "E", .siMode = "ESI", .oldKey = "DPt=", .siKey = "DPt=", .page = 1, .oldValue = 20.0, .siValue = 196.0},
    {.name = "E shell weight flow", .oldMode = "E", .siMode = "ESI", .oldKey = "Ws=", .siKey = "Ws=", .page = 1, .oldValue = 13000.0, .siValue = 3.6111},
};

TEST(Sheet, SiFiguresFollowTheOldOnes) {
    const Record r = testing::finishedGasSheetRun();
    for (const FigureCase& c : kFigureCases) {
        SCOPED_TRACE(c.name);
        EXPECT_NEAR(figureAfter(sheetPages(r, c.oldMode, kDate)[c.page], c.oldKey), c.oldValue, 1e-6);
        EXPECT_NEAR(figureAfter(sheetPages(r, c.siMode, kDate)[c.page], c.siKey), c.siValue, 1e-6);
    }
}

TEST(Sheet, LeavesTheCallersRecordAsItWas) {
    for (const char* mode : {"J", "JSI", "E", "ESI"}) {
        SCOPED_TRACE(mode);
        Record r = testing::finishedGasSheetRun();
        testing::makeLatentShell(r);
        const Record before = r;
        sheetLines(r, mode, kDate);
        EXPECT_EQ(std::memcmp(&before, &r, sizeof r), 0);
    }
}

// ---- Page break ---------------------------------------------------------------------

struct BreakCase {
    const char* name;
    Variant variant;
    const char* mode;
    int blankRun;  // empty lines closing the first page
};

const BreakCase kBreakCases[] = {
    {.name = "gas J", .variant = none, .mode = "J", .blankRun = 21},
    {.name = "gas JSI", .variant = none, .mode = "JSI", .blankRun = 21},
    {.name = "typed-in tube J", .variant = [](Record& r) { testing::makeTypedIn(r, 2); }, .mode = "J", .blankRun = 25},
    {.name = "typed-in liquid JSI", .variant = [](Record& r) { testing::makeTypedIn(r, 1); }, .mode = "JSI",
     .blankRun = 25},
    {.name = "latent shell J", .variant = testing::makeLatentShell, .mode = "J", .blankRun = 21},
    {.name = "gas E", .variant = none, .mode = "E", .blankRun = 21},
    {.name = "gas ESI", .variant = none, .mode = "ESI", .blankRun = 21},
    {.name = "typed-in tube E", .variant = vapour, .mode = "E", .blankRun = 25},
    {.name = "typed-in liquid ESI", .variant = [](Record& r) { testing::makeTypedIn(r, 1); }, .mode = "ESI",
     .blankRun = 25},
    {.name = "latent tube ESI", .variant = testing::makeLatentTube, .mode = "ESI", .blankRun = 21},
};

int trailingEmpty(const std::vector<std::string>& page) {
    int n = 0;
    for (auto it = page.rbegin(); it != page.rend() && it->empty(); ++it) ++n;
    return n;
}

TEST(Sheet, ResultsStartOnTheSecondPage) {
    for (const BreakCase& c : kBreakCases) {
        SCOPED_TRACE(c.name);
        Record r = testing::finishedGasSheetRun();
        c.variant(r);
        const auto pages = sheetPages(r, c.mode, kDate);
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(trailingEmpty(pages[0]), c.blankRun);
        EXPECT_EQ(report::sheetBreakLines(r), c.blankRun);
        ASSERT_FALSE(pages[1].empty());
        EXPECT_FALSE(pages[1].front().empty());
        EXPECT_EQ(trailingEmpty(pages[1]), 4);
        EXPECT_EQ(pages[0].front(), "\x1b" "E");
        size_t total = pages[0].size() + pages[1].size();
        EXPECT_EQ(sheetLines(r, c.mode, kDate).size(), total);
    }
}

// ---- Widths and finite figures -----------------------------------------------------

struct ShapeCase {
    const char* name;
    Variant variant;
};

const ShapeCase kShapeCases[] = {
    {.name = "gas", .variant = none},
    {.name = "bare", .variant = testing::makeBare},
    {.name = "tape", .variant = testing::makeTape},
    {.name = "water", .variant = water},
    {.name = "latent shell", .variant = testing::makeLatentShell},
    {.name = "latent tube", .variant = testing::makeLatentTube},
    {.name = "typed-in", .variant = [](Record& r) { testing::makeTypedIn(r, 1); }},
    {.name = "vapour", .variant = vapour},
    {.name = "shell outlet given", .variant = shellOutletGiven},
    {.name = "both outlets given", .variant = bothOutletsGiven},
    {.name = "evaporation", .variant = [](Record& r) { r.PhaseChangeKind = 1; r.HtcMode = 3; }},
    {.name = "zero divisors", .variant = [](Record& r) {
         r.Kt = r.Ks = r.AR = r.Ao = r.KI = r.LMTD = r.Vsa = r.Vta = 0;
         r.Tsi = r.Tti;
     }},
};

// Table lines fill the box exactly (78 columns); the premise lines with a
// composition are a column wider, and so is the liquid loss row of the
// ESI sheet, as its form has it.
constexpr int kBoxColumns = 78;
constexpr int kWidestLine = 79;
constexpr const char* kWideEsiRow = "┃14│PRESS.LOSS              ┃ DPtv=";

TEST(Sheet, LinesFitTheBoxAndPrintFiniteFigures) {
    for (const ShapeCase& c : kShapeCases) {
        for (const char* mode : {"J", "JSI", "E", "ESI"}) {
            SCOPED_TRACE(std::string(c.name) + " " + mode);
            Record r = testing::finishedGasSheetRun();
            c.variant(r);
            for (const std::string& l : sheetLines(r, mode, kDate)) {
                SCOPED_TRACE(l);
                const bool boxed = l.rfind("      ┃", 0) == 0 || l.rfind("      ┏", 0) == 0 ||
                                   l.rfind("      ┣", 0) == 0 || l.rfind("      ┗", 0) == 0;
                if (boxed) {
                    const bool wide = l.find(kWideEsiRow) != std::string::npos;
                    EXPECT_EQ(textColumns(l), kBoxColumns + (wide ? 1 : 0));
                }
                EXPECT_LE(textColumns(l), kWidestLine);
                EXPECT_EQ(l.find("nan"), std::string::npos);
                EXPECT_EQ(l.find("inf"), std::string::npos);
            }
        }
    }
}

// ---- Reviewed sheets -----------------------------------------------------------------

using testing::readFile;

// A reviewed case: the file-name stem and how its record is made.
struct SheetCase {
    const char* name;
    calc::Record (*record)();
};

const SheetCase kSheetCases[] = {
    {.name = "gas", .record = testing::finishedGasSheetRun},
    {.name = "water-humid", .record = [] { return testing::finishedSample(testing::kWaterHumidSample); }},
    {.name = "typed-in", .record = [] { return testing::finishedSample(testing::kTypedInCondensingSample); }},
};

class ReviewedSheet : public ::testing::TestWithParam<std::tuple<SheetCase, const char*>> {};

// Each reviewed case in each mode, byte for byte;
// CFHX_UPDATE_SHEETS=1 rewrites the reviewed files instead.
TEST_P(ReviewedSheet, MatchesTheReviewedFile) {
    const auto& [sheetCase, mode] = GetParam();
    const fs::path golden =
        fs::path(__FILE__).parent_path() / "sheets" / (std::string(sheetCase.name) + "-" + mode + ".txt");
    std::string text;
    for (const std::string& l : sheetLines(sheetCase.record(), mode, kDate)) text += l + "\n";
    if (std::getenv("CFHX_UPDATE_SHEETS") != nullptr) {
        std::ofstream(golden, std::ios::binary) << text;
        return;
    }
    ASSERT_TRUE(fs::exists(golden)) << golden;
    std::istringstream got(text), want(readFile(golden));
    std::string g, w;
    for (int line = 1; std::getline(want, w); ++line) {
        ASSERT_TRUE(static_cast<bool>(std::getline(got, g))) << "missing line " << line;
        ASSERT_EQ(g, w) << "line " << line;
    }
    EXPECT_FALSE(static_cast<bool>(std::getline(got, g))) << "extra line: " << g;
    EXPECT_EQ(text, readFile(golden));
}

INSTANTIATE_TEST_SUITE_P(CasesAndModes, ReviewedSheet,
                         ::testing::Combine(::testing::ValuesIn(kSheetCases), ::testing::Values("J", "JSI", "E", "ESI")),
                         [](const auto& info) {
                             std::string n = std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                             for (char& ch : n) ch = ch == '-' ? '_' : ch;
                             return n;
                         });

}  // namespace
}  // namespace cfhx
