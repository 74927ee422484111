// The result summary screen FORM2: stream boxes (inlet and outlet
// temperature and flow of each side, the condensate), the dimensions and
// the table of main results, in SI or the old units.
#include <cmath>
#include <span>
#include <string>

#include "app/app.h"
#include "app/control_flow.h"
#include "app/mask.h"
#include "calc/units.h"
#include "report/display_mode.h"
#include "report/result_rows.h"
#include "report/results.h"
#include "report/summary_texts.h"

namespace cfhx::report {

using calc::Record;
namespace T = summary_texts;

namespace {

using Latent = Case::LatentSide;

constexpr double kGramsPerKg = 1000.0;
constexpr double kMmPerM = 1000.0;
constexpr double kPaPerMpa = 1.0e6;
constexpr double kMmAqPerKgfCm2 = 10000.0;
constexpr double kKgPerTonne = 1000.0;
constexpr double kPercent = 100.0;
// Above this an SI pressure loss (Pa) keeps its decimals.
constexpr double kLossDecimalsAbovePa = 4.0;

// TubeMoistureMode, ShellMoistureMode: how the water content was entered.
enum class Moisture { VolumePercent = 1, Humidity = 2, SaturationTemperature = 3, SaturatedEnthalpy = 4 };
Moisture moisture(float code) { return static_cast<Moisture>(wholeNumber(code)); }

std::string whole(double v) { return freeNumber(std::round(v)); }

void setCaptions(ScreenRef form, std::span<const T::Caption> captions) {
    for (const T::Caption& c : captions) form[c.control].setText(c.text);
}

// Back to the texts of the form resource.
void restoreCaptions(ScreenRef form, std::span<const T::Caption> captions) {
    for (const T::Caption& c : captions) form[c.control].setText(form[c.control].def().text);
}

[[noreturn]] void refuseResult(App& app, std::string_view message) {
    app["FORM2"].hide();
    printEmptyLines(app.pane, 3);
    app.pane.print(message);
    app.pause();
    throw LeaveCalculation{std::string(message)};
}

// Processing No. 2, 4 and 6 show the shell flow from its actual volume.
bool shellFlowFromVolume(const Record& r) {
    const int no = wholeNumber(r.ProcessingNo);
    return no == 2 || no == 4 || no == 6;
}

}  // namespace

void fillSummaryScreen(App& app, Record& record, std::string_view table, bool freshResult) {
    const T::SummaryTexts& summaryText = T::summaryTexts(app.language);
    const DisplayMode& mode = displayMode(table);
    const bool si = mode.si;
    ScreenRef form = app["FORM2"];
    if (mode.english) {
        if (!mode.si || freshResult) setCaptions(form, T::kEnglishCaptions);
    } else {
        restoreCaptions(form, T::kEnglishCaptions);
    }
    if (si) setCaptions(form, T::kSiUnits);
    else restoreCaptions(form, T::kSiUnits);

    const Case c = caseOf(record);
    // The condensate leaves the latent side.
    if (c.latent == Latent::Tube) record.Wtc = record.Wc;
    if (c.latent == Latent::Shell) record.Wo = record.Wc;
    const Record r = calc::resultIn(record, si);
    auto set = [&](std::string_view control, const std::string& text) { form[control].setText(text); };
    // Flows: g/s in SI, kg/h as held; the condensate flows of the old fill whole.
    auto flow = [&](double v) { return freeNumber(si ? v * kGramsPerKg : v); };
    auto condensate = [&](double v) { return si ? freeNumber(v * kGramsPerKg) : whole(v); };

    // Tube inlet.
    double tubeIn = r.Tti;
    // A condensing tube side enters saturated: at its dew point, or at the
    // entered saturation temperature, which the run took as Tti.
    if (c.latent == Latent::Tube) {
        const Moisture m = moisture(r.TubeMoistureMode);
        if (m == Moisture::VolumePercent || m == Moisture::Humidity || m == Moisture::SaturatedEnthalpy) tubeIn = r.TdewT;
    }
    double tubeFlow = r.Wt;
    if (fluidKind(r.TubeFluidKind) == FluidKind::Water)
        tubeFlow = r.Wtt != 0.0f ? double(r.Wtt) * kKgPerTonne : double(r.Vt) * r.Dt;
    set("EDIT47", freeNumber(tubeIn));
    set("EDIT61", flow(tubeFlow));

    // Tube outlet: the condensing tube side loses its condensate.
    const bool tubeCondenses = c.latent == Latent::Tube || c.vapour;
    double tubeOut = r.Tto;
    double tubeOutFlow = tubeFlow;
    if (c.latent == Latent::Tube) tubeOut = r.TZ3;
    if (tubeCondenses) {
        if (r.Wc > tubeFlow) refuseResult(app, si ? summaryText.tooLargeSi : summaryText.tooLarge);
        tubeOutFlow = double(r.Wt) - r.Wc;
    }
    if (tubeOutFlow < 0.0) refuseResult(app, si ? summaryText.inletShortSi : summaryText.inletShort);
    set("EDIT52", freeNumber(tubeOut));
    set("EDIT58", flow(tubeOutFlow));
    set("EDIT62", condensate(r.Wtc));

    // Shell inlet.
    double shellIn = r.Tsi;
    if (c.latent == Latent::Shell) {
        const Moisture m = moisture(r.ShellMoistureMode);
        if (m == Moisture::VolumePercent || m == Moisture::Humidity) shellIn = r.TdewS;
        if (m == Moisture::SaturationTemperature) shellIn = r.TsatS;
    }
    const double shellFlow = shellFlowFromVolume(r) ? double(r.Vsa) * r.Ds : double(r.Ws);
    set("EDIT49", freeNumber(shellIn));
    set("EDIT59", flow(shellFlow));

    // Shell outlet: the condensing shell side loses its condensate.
    double shellOut = r.Tso;
    double shellOutFlow = shellFlow;
    if (c.latent == Latent::Shell) {
        shellOut = r.TZ3;
        shellOutFlow = shellFlowFromVolume(r) ? double(r.Vsa) * r.Ds : double(r.Ws) - r.Wc;
    }
    if (shellOutFlow < 0.0) refuseResult(app, si ? summaryText.inletShortSi : summaryText.inletShort);
    set("EDIT53", freeNumber(shellOut));
    set("EDIT54", flow(shellOutFlow));
    set("EDIT51", condensate(r.Wo));

    // Dimensions, mm.
    const double toMm = si ? 1.0 : kMmPerM;
    set("EDIT43", whole(r.H * toMm));
    set("EDIT60", whole(r.W * toMm));
    set("EDIT55", whole(r.TL * toMm));

    // Main results.
    auto loss = [&](double v) {
        if (!si) return whole(v * kMmAqPerKgfCm2);
        const double pa = v * kPaPerMpa;
        return pa > kLossDecimalsAbovePa ? freeNumber(pa) : whole(pa);
    };
    set("EDIT34", loss(r.Pt));
    set("EDIT35", loss(r.Ps));
    set("EDIT36", whole(r.Et * kPercent));
    set("EDIT37", whole(r.Es * kPercent));
    set("EDIT38", freeNumber(r.Q));
    // Bare tubes: KO referred to the outer diameter.
    const float ko = c.finned ? r.KO : static_cast<float>(ratioOrZero(double(r.KI) * r.DI, r.DO));
    set("EDIT39", freeNumber(r.KI));
    set("EDIT40", freeNumber(ko));
    set("EDIT41", freeNumber(double(r.LMTD) * r.Fthe));
    set("EDIT42", freeNumber(r.Ai));
    set("EDIT50", freeNumber(r.Ao));
    set("EDIT44", freeNumber(double(r.Ht0) * r.CFt));
    set("EDIT45", freeNumber(double(r.Hs0) * r.CFs));
    // Processing No. 4 computes the vertical rows (NV); the others keep the set Nv.
    const double rows = wholeNumber(r.ProcessingNo) == 4 ? r.NV : r.Nv;
    set("EDIT46", freeNumber(rows * r.Nh));
    set("EDIT63", freeNumber(r.PNt));
    set("EDIT64", freeNumber(r.PNs));

    form.show();
}

}  // namespace cfhx::report
