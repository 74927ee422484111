// The field maps name controls that exist on their screens, each of the
// kind its role needs, and no control twice.
#include "app/form5_fields.h"
#include "app/screen_fields.h"
#include "app/screens.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace cfhx {
namespace {

struct Role {
    std::string name;
    const char* control;
    ControlKind kind;
};

const ControlDef* find(const char* screen, const char* control) {
    for (const ScreenDef& s : screenCatalogue()) {
        if (s.name != screen) continue;
        for (const ControlDef& c : s.controls) {
            if (c.name == control) return &c;
        }
    }
    return nullptr;
}

std::vector<Role> form5Roles() {
    std::vector<Role> roles;
    for (const auto& [side, f] : {std::pair{"tube ", &kTubeSide}, std::pair{"shell ", &kShellSide}}) {
        const std::string s = side;
        auto add = [&](const char* role, const char* control, ControlKind kind) {
            roles.push_back({s + role, control, kind});
        };
        add("composition code", f->compositionCode, ControlKind::Edit);
        add("moisture code", f->moistureCode, ControlKind::Edit);
        add("flow kind", f->flowKind, ControlKind::Edit);
        for (const char* o : f->options) add("description option", o, ControlKind::Option);
        for (const char* b : f->moistureButtons) add("moisture button", b, ControlKind::Button);
        add("volume %", f->moistureFields.volumePercent, ControlKind::Edit);
        add("absolute humidity", f->moistureFields.absoluteHumidity, ControlKind::Edit);
        add("saturation temperature", f->moistureFields.saturationTemperature, ControlKind::Edit);
        add("saturated enthalpy", f->moistureFields.saturatedEnthalpy, ControlKind::Edit);
        add("CO2", f->co2, ControlKind::Edit);
        add("O2", f->o2, ControlKind::Edit);
        add("N2", f->n2, ControlKind::Edit);
        add("inlet", f->inlet, ControlKind::Edit);
        add("outlet", f->outlet, ControlKind::Edit);
        add("volume button", f->volumeButton, ControlKind::Button);
        add("volume flow", f->volumeField, ControlKind::Edit);
        add("mass button", f->massButton, ControlKind::Button);
        add("mass flow", f->massField, ControlKind::Edit);
        for (const char* p : f->properties.all()) add("property", p, ControlKind::Edit);
        add("pressure", f->pressure, ControlKind::Edit);
        for (const char* l : f->latent.all()) add("latent", l, ControlKind::Edit);
    }
    roles.push_back({"tube length", kForm5.tubeLength, ControlKind::Edit});
    roles.push_back({"message line", kForm5.message, ControlKind::Label});
    return roles;
}

TEST(FieldMap, Form5ControlsExistWithTheirKindOnce) {
    const std::vector<Role> roles = form5Roles();
    // 33 controls on each side, the tube length and the message line.
    ASSERT_EQ(roles.size(), 68u);
    std::map<std::string, std::string> seen;
    for (const Role& r : roles) {
        SCOPED_TRACE(r.name);
        const ControlDef* c = find(kForm5.screen, r.control);
        ASSERT_NE(c, nullptr) << r.control;
        EXPECT_EQ(c->kind, r.kind) << r.control;
        const auto [at, fresh] = seen.emplace(r.control, r.name);
        EXPECT_TRUE(fresh) << r.control << " is also the " << at->second;
    }
}

TEST(FieldMap, RowsAndPropertiesReadInTheOrderOfTheirCodes) {
    struct Case {
        const char* name;
        const char* byIndex;
        const char* byName;
    };
    const Case kCases[] = {
        {.name = "moisture row 1", .byIndex = kTubeSide.moistureFields[0],
         .byName = kTubeSide.moistureFields.volumePercent},
        {.name = "moisture row 2", .byIndex = kShellSide.moistureFields[1],
         .byName = kShellSide.moistureFields.absoluteHumidity},
        {.name = "moisture row 3", .byIndex = kTubeSide.moistureFields[2],
         .byName = kTubeSide.moistureFields.saturationTemperature},
        {.name = "moisture row 4", .byIndex = kShellSide.moistureFields[3],
         .byName = kShellSide.moistureFields.saturatedEnthalpy},
        {.name = "first property", .byIndex = kTubeSide.properties[0], .byName = kTubeSide.properties.density},
        {.name = "last property", .byIndex = kShellSide.properties[3], .byName = kShellSide.properties.viscosity},
        {.name = "first latent", .byIndex = kTubeSide.latent[0], .byName = kTubeSide.latent.latentHeat},
        {.name = "last latent", .byIndex = kTubeSide.latent[4], .byName = kTubeSide.latent.liquidViscosity},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.byIndex, c.byName);
    }
}

TEST(FieldMap, OtherScreensFieldsExistAsEditFields) {
    struct Case {
        const char* name;
        const char* screen;
        const char* control;
    };
    const Case kCases[] = {
        {.name = "unit code", .screen = kMain.screen, .control = kMain.unitCode},
        {.name = "tube fluid kind", .screen = kMain.screen, .control = kMain.tubeFluidKind},
        {.name = "shell fluid kind", .screen = kMain.screen, .control = kMain.shellFluidKind},
        {.name = "outer diameter", .screen = kMain.screen, .control = kMain.outerDiameter},
        {.name = "inner diameter", .screen = kMain.screen, .control = kMain.innerDiameter},
        {.name = "row pitch ratio", .screen = kMain.screen, .control = kMain.rowPitchRatio},
        {.name = "column pitch ratio", .screen = kMain.screen, .control = kMain.columnPitchRatio},
        {.name = "tube type", .screen = kMain.screen, .control = kMain.tubeType},
        {.name = "fins per inch", .screen = kMain.screen, .control = kMain.finsPerInch},
        {.name = "fin height", .screen = kMain.screen, .control = kMain.finHeight},
        {.name = "fin thickness", .screen = kMain.screen, .control = kMain.finThickness},
        {.name = "arrangement", .screen = kMain.screen, .control = kMain.arrangement},
        {.name = "tube conductivity", .screen = kMain.screen, .control = kMain.tubeConductivity},
        {.name = "fin conductivity", .screen = kMain.screen, .control = kMain.finConductivity},
        {.name = "tube fouling", .screen = kMain.screen, .control = kMain.tubeFouling},
        {.name = "shell fouling", .screen = kMain.screen, .control = kMain.shellFouling},
        {.name = "flow pattern", .screen = kMain.screen, .control = kMain.flowPattern},
        {.name = "tube passes", .screen = kMain.screen, .control = kMain.tubePasses},
        {.name = "shell passes", .screen = kMain.screen, .control = kMain.shellPasses},
        {.name = "tube rows", .screen = kMain.screen, .control = kMain.tubeRows},
        {.name = "tube columns", .screen = kMain.screen, .control = kMain.tubeColumns},
        {.name = "tape code", .screen = kMain.screen, .control = kMain.tapeCode},
        {.name = "tape thickness", .screen = kMain.screen, .control = kMain.tapeThickness},
        {.name = "tape pitch", .screen = kMain.screen, .control = kMain.tapePitch},
        {.name = "film thickness", .screen = kMain.screen, .control = kMain.filmThickness},
        {.name = "tube correction", .screen = kMain.screen, .control = kMain.tubeCorrection},
        {.name = "shell correction", .screen = kMain.screen, .control = kMain.shellCorrection},
        {.name = "summary tube inlet", .screen = kSummary.screen, .control = kSummary.tubeInlet},
        {.name = "summary shell inlet", .screen = kSummary.screen, .control = kSummary.shellInlet},
        {.name = "processing No.", .screen = kProcessing.screen, .control = kProcessing.processingNo},
        {.name = "heat class", .screen = kOptions.screen, .control = kOptions.heatClass},
        {.name = "phase change chosen", .screen = kOptions.screen, .control = kOptions.phaseChangeChosen},
        {.name = "heat-transfer mode", .screen = kOptions.screen, .control = kOptions.htcMode},
        {.name = "tube coefficient", .screen = kOptions.screen, .control = kOptions.tubeCoefficient},
        {.name = "shell coefficient", .screen = kOptions.screen, .control = kOptions.shellCoefficient},
        {.name = "phase change kind", .screen = kOptions.screen, .control = kOptions.phaseChangeKind},
        {.name = "evaporation pressure", .screen = kOptions.screen, .control = kOptions.evaporationPressure},
        {.name = "surface tension", .screen = kOptions.screen, .control = kOptions.surfaceTension},
    };
    std::map<std::string, std::string> seen;
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.name);
        const ControlDef* d = find(c.screen, c.control);
        ASSERT_NE(d, nullptr) << c.screen << "." << c.control;
        EXPECT_EQ(d->kind, ControlKind::Edit);
        const auto [at, fresh] = seen.emplace(std::string(c.screen) + "." + c.control, c.name);
        EXPECT_TRUE(fresh) << c.control << " is also the " << at->second;
    }
}

}  // namespace
}  // namespace cfhx
