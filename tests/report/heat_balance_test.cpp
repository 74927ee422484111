// The heat-balance check for each kind of run (ratios worked out by hand
// from the records), and the wet-condensation table of the latent side.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "support/output_fixture.h"
#include "report/results.h"
#include "support/result_records.h"

namespace cfhx {
namespace {

using testing::finishedGasRun;
using R = calc::Record;

class MenuOutputTest : public testing::OutputTest {};

bool hasLine(const std::string& page, const std::string& line) {
    std::istringstream in(page);
    for (std::string l; std::getline(in, l);) {
        if (l == line) return true;
    }
    return false;
}

TEST_F(MenuOutputTest, HeatBalanceRatios) {
    struct Case {
        const char* name;
        std::function<void(R&)> run;
        double Qk;  // kcal/h, stored in the record afterwards
        std::vector<const char*> lines;
    };
    const std::vector<Case> kCases = {
        // Qk 32.5·60·160·0.95, Qs 13000·1.0·0.24·100, Qt 12000·0.8·0.26·120.
        {.name = "sensible gas/gas", .run = [](R&) {}, .Qk = 296400,
         .lines = {"1. Qs/Qk=1.0526", "2. Qt/Qk=1.0105", "3. Qs/Qt=1.0417"}},
        // Qk 50·60·110·0.9, Qs (Vsa·Ds = 13000·1.0)·0.24·100, Qt 10·1000·1.0·|20 − 50|:
        // a route without the effectiveness branch, so its outlet Tto.
        {.name = "sensible, water in the tubes",
         .run = [](R& r) {
             testing::makeWaterTubes(r);
             r.Tsi = 200, r.Tso = 100, r.Tti = 20, r.Tto = 50;
             r.KI = 50, r.LMTD = 110, r.Fthe = 0.9f;
         },
         .Qk = 297000, .lines = {"1. Qs/Qk=1.0505", "2. Qt/Qk=1.0101", "3. Qs/Qt=1.0400"}},
        // Qk 40·80·100·1, Qs (100 − 40)·5000·(1.2 − 0.8036·0.1), Qt 10000·0.25·|20 − 150|.
        {.name = "shell latent, gas in the tubes",
         .run = [](R& r) {
             testing::makeLatentShell(r);
             r.KI = 40, r.Ai = 80, r.LMTD = 100, r.FF = 1;
             r.HsatIn = 100, r.HsatOut = 40, r.Vs = 5000, r.DsN = 1.2f, r.Vxa = 0.1f;
             r.Wt = 10000, r.Ct = 0.25f, r.Tti = 20, r.Tto = 150;
         },
         .Qk = 320000, .lines = {"1. Qs/Qk=1.0497", "2. Qt/Qk=1.0156", "3. Qs/Qt  =1.0335"}},
        // Qk 30·100·100·0.95, Qs 10000·1.25·0.24·100, Qt (90 − 30)·5000·(1.1 − 0.8036·0.2).
        {.name = "tube latent",
         .run = [](R& r) {
             testing::makeLatentTube(r);
             r.KI = 30, r.Ai = 100, r.LMTD = 100, r.FF = 0.95f;
             r.Vs = 10000, r.DsN = 1.25f, r.Cs = 0.24f, r.Tsi = 20, r.Tso = 120;
             r.HsatIn = 90, r.HsatOut = 30, r.Vt = 5000, r.DtN = 1.1f, r.VH = 0.2f;
         },
         .Qk = 285000, .lines = {"1. Qs/Qk=1.0526", "2. Qt/Qk=0.9887", "3. Qs/Qt=1.0646"}},
        // Qt = Wc·hfg = 500·600.
        {.name = "typed-in vapour condensing",
         .run = [](R& r) { testing::makeTypedIn(r, 2); r.flags.sVAP = "y"; r.Wc = 500; r.hfg = 600; },
         .Qk = 296400, .lines = {"2. Qt/Qk=1.0121", "3. Qs/Qt=1.0400"}},
        {.name = "no overall coefficient: ratios to Qk are 0", .run = [](R& r) { r.KI = 0; }, .Qk = 0,
         .lines = {"1. Qs/Qk=0.0000", "2. Qt/Qk=0.0000", "3. Qs/Qt=1.0417"}},
        {.name = "no tube duty: Qs/Qt is 0", .run = [](R& r) { r.Tto = r.Tti; }, .Qk = 296400,
         .lines = {"2. Qt/Qk=0.0000", "3. Qs/Qt=0.0000"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        c.run(rec);
        report::showHeatBalanceCheck(app, rec);
        const std::string page = app.pane.pageText();
        for (const char* line : c.lines) EXPECT_TRUE(hasLine(page, std::string("        ") + line)) << line << "\n" << page;
        EXPECT_NEAR(rec.Qk, c.Qk, 0.5);
    }
}

TEST_F(MenuOutputTest, WetGasTable) {
    struct Case {
        const char* name;
        const char* mode;
        std::function<void(R&)> run;
        std::vector<const char*> shows;
    };
    const auto shell = [](R& r) {
        testing::makeLatentShell(r);
        r.Vs = 7200, r.VNo = 6840, r.DsN = 1.25f, r.Wc = 450, r.Wm = 900;
        r.PvsIn = 0.2031f, r.PvsOut = 0.0752f, r.HsatIn = 110, r.HsatOut = 40, r.Xin = 0.153f, r.Xout = 0.049f;
        r.MS = 0.622f;
    };
    const std::vector<Case> kCases = {
        // 7200·1.25 = 9000 kg/h in, less 450 out.
        {.name = "shell side, J", .mode = "J", .run = shell,
         .shows = {"Shell side wet", "VNi=  7200 │ VNo=  6840", "Wgi=  9000 │ Wgo=  8550", "Pvi=0.20310│ Pvo=0.07520",
                   "< MS =0.6220  >", "< Wc =   450 >", "< Wm =   900 >"}},
        // Per second, MPa, kJ/kg: 7200/3600 = 2, 0.2031·0.098, 110·4.1868, 450/3600.
        {.name = "shell side, JSI", .mode = "JSI", .run = shell,
         .shows = {"VNi= 2.0000│ VNo= 1.9000", "Wgi= 2.5000│ Wgo= 2.3750", "Pvi=0.01990", "Hi = 460.55",
                   "< Wc = 0.1250 >"}},
        {.name = "shell side, E: no weight-ratio row", .mode = "E", .run = shell,
         .shows = {"┃No│        Items       ┃", "┃6 │CONDENSATE RECOVERY ┃      < Wc =   450 >"}},
        {.name = "tube side, J", .mode = "J",
         .run = [](R& r) { testing::makeLatentTube(r); r.Vt = 3000, r.DtN = 1.2f, r.MT = 0.65f, r.Wc = 100; },
         .shows = {"Tube side wet", "VNi=  3000", "Wgi=  3600 │ Wgo=  3500", "< WT =0.6500  >"}},
        {.name = "no latent side: the shell table", .mode = "J", .run = [](R&) {}, .shows = {"Shell side wet"}},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        calc::Record rec = finishedGasRun();
        c.run(rec);
        rec.flags.LangUnitMode = c.mode;
        const calc::Record before = rec;
        report::showWetGasTable(app, rec, c.mode);
        const std::string page = app.pane.pageText();
        for (const char* s : c.shows) EXPECT_NE(page.find(s), std::string::npos) << s << "\n" << page;
        EXPECT_EQ(rec.Vs, before.Vs) << "the record stays in the old units";
    }
}

}  // namespace
}  // namespace cfhx
