// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/feed_form.h"

#include <cmath>
#include <numbers>

#include "builder/antenna.h"
#include "builder/bounds.h"
#include "builder/feed_parts.h"
#include "calc/units.h"
#include "runtime/value.h"

namespace planner {

namespace {

using feedform::Setup;
using form::Kind;

// The form's items, by their place in it.
namespace at {
enum : int {
    Dish,
    DishWords,
    UnitList,
    FeedKind,
    Can,
    Beamwidth,
    Outer,
    Surface,
    Error,
    Hole,
    Wire,
    Heading,
    Results,
    Picture,
    Notes
};
} // namespace at

const form::Outline outline{
    "feed",
    feedTitle,
    {{Kind::Choice, "dish", "The dish", {"As the planner shows it", "As checked"}},
     {Kind::Text, "dish-words", ""},
     {Kind::List, "unit", "Unit", {"inches", "millimetres", "centimetres"}},
     {Kind::Choice,
      "kind",
      "The feed",
      {"A can (open circular waveguide)", "My own, by its beamwidth"}},
     {Kind::Field, "can", "Can's inner diameter"},
     {Kind::Field, "beamwidth", "Beamwidth between the points 10 dB down, degrees"},
     {Kind::Field, "outer", "Feed's outer diameter (blank: the can's)"},
     {Kind::Choice, "surface", "The surface", {"Solid", "Mesh"}},
     {Kind::Field, "error", "Surface error, RMS (blank: the check's, or none)"},
     {Kind::Field, "hole", "Mesh hole, centre to centre"},
     {Kind::Field, "wire", "Mesh wire's diameter"},
     {Kind::Heading, "heading", "What this feed gives"},
     {Kind::Results, "results", ""},
     {Kind::Picture, "picture", "The feed's pattern against the dish's rim"},
     {Kind::Notes, "notes", ""}},
    0,
    0};

// The dish as the window shows it, or as checked; false, with the words
// why, where there is none.
bool readDish(const form::Typed& t, const form::Context& c, Setup& s, std::string& words)
{
    const auto& w = c.window;
    if (t.chosen[at::Dish] == 1) {
        if (!c.checked)
            return words = says(Says::NoneChecked), false;
        const CheckedDish& d = *c.checked;
        s.offset = d.shape == DishShape::Offset;
        s.diameter = d.diameter, s.focal = d.focalLength, s.checkedError = d.surfaceError;
        s.lower = d.lowerRim, s.upper = d.upperRim;
    } else {
        s.diameter = rt::val(w.diameter) * calc::units::mmPerInch;
        s.focal = rt::val(w.focalLength) * calc::units::mmPerInch;
    }
    const double mhz = rt::val(w.frequency);
    if (!(s.diameter > 0 && s.focal > 0 && mhz > 0))
        return words = says(Says::NoDish), false;
    s.mhz = w.frequency, s.wavelength = feed::wavelengthMm(mhz);
    s.halfAngle = s.offset ? feed::offsetGeometry(s.focal, s.lower, s.upper).halfAngle
                           : antenna::rimHalfAngle(s.diameter, s.focal);
    words = cat({s.offset ? "An offset dish " : "A dish ", feedform::length(s, s.diameter),
                 s.offset ? " wide, its parent's focus " : " across, its focus ",
                 feedform::length(s, s.focal), " from the vertex: F/D ",
                 figure(s.focal / s.diameter, 3), ", at ", s.mhz, " MHz."});
    return true;
}

// A field's figure in the form's unit, as millimetres; none where blank
// (and then no problem) or wrong (its sentence by the field).
std::optional<double> read(const form::Typed& t, int item, double mm, form::Outcome& out,
                           bool blankIsNone = true)
{
    const std::string& text = t.text(item);
    if (blankIsNone && text.find_first_not_of(" \t") == std::string::npos)
        return std::nullopt;
    std::string why;
    const std::optional<double> x = typedFigure(text, mm, why);
    if (x && *x <= 0)
        why = says(Says::NotAboveZero);
    if (!why.empty()) {
        out.items[item].problems[0][0] = cat({outline.items[item].text, ": ", why});
        return std::nullopt;
    }
    return *x * (mm > 0 ? mm : 1);
}

// Why a can of d mm is no TE11 feed at this wavelength, or "".
std::string notACan(double d, const Setup& s)
{
    const feed::CanDimensions c = feed::canDimensions(d, s.wavelength);
    if (c.singleMode)
        return {};
    const std::string low = feedform::length(s, c.minDiameterMm),
                      high = feedform::length(s, c.maxDiameterMm);
    return d < c.minDiameterMm ? says(Says::BelowCutoff, {low, s.mhz, high})
                               : says(Says::PastTM01, {low, s.mhz, high});
}

// The feed as typed, its shadow and the surface; each wrong field's sentence by it.
void readFeed(const form::Typed& t, Setup& s, form::Outcome& out)
{
    const double mm = designOf(s.unit).mm;
    const auto wrong = [&](int item, const std::string& why) {
        out.items[item].problems[0][0] = cat({outline.items[item].text, ": ", why});
    };
    if (s.can) {
        if (const auto d = read(t, at::Can, mm, out)) {
            if (const std::string why = notACan(*d, s); !why.empty())
                wrong(at::Can, why);
            else
                s.canDiameter = *d, s.feed = feed::canFeed(*d, s.wavelength);
        }
    } else if (const auto bw = read(t, at::Beamwidth, 0, out)) {
        if (*bw > bound(Says::BeamPast360).limit)
            wrong(at::Beamwidth, says(Says::BeamPast360));
        else if (*bw >= bound(Says::BeamPast180).limit)
            wrong(at::Beamwidth, says(Says::BeamPast180));
        else
            s.feed = feed::cosNFeed(feed::exponentForBeamwidth(*bw * std::numbers::pi / 180));
    }
    s.outer = read(t, at::Outer, mm, out);
    if (!s.outer && s.feed && s.can &&
        t.text(at::Outer).find_first_not_of(" ") == std::string::npos)
        s.outer = s.canDiameter;
    if (s.outer && *s.outer >= s.diameter)
        wrong(at::Outer, says(Says::OuterPastDish)), s.outer.reset();
    if (!s.mesh) {
        s.error = read(t, at::Error, mm, out);
        if (!s.error && t.text(at::Error).find_first_not_of(" ") == std::string::npos)
            s.error = s.checkedError;
        return;
    }
    s.hole = read(t, at::Hole, mm, out), s.wire = read(t, at::Wire, mm, out);
    if (s.hole && *s.hole > bound(Says::HoleCoarse).limit * s.wavelength)
        wrong(at::Hole, says(Says::HoleCoarse, {feedform::length(s, *s.hole),
                                                feedform::length(s, 0.2 * s.wavelength), s.mhz})),
            s.hole.reset();
    if (s.hole && s.wire && *s.wire > bound(Says::WireThick).limit * *s.hole)
        wrong(at::Wire, says(Says::WireThick)), s.wire.reset();
}

class FeedTool : public form::Tool {
public:
    const form::Outline& outline() const override { return planner::outline; }
    void evaluate(const form::Typed& t, const form::Context& c, form::Outcome& out) const override;
};

void FeedTool::evaluate(const form::Typed& t, const form::Context& c, form::Outcome& out) const
{
    auto& items = out.items;
    Setup s;
    s.unit = Unit(t.chosen[at::UnitList]);
    s.can = t.chosen[at::FeedKind] == 0, s.mesh = t.chosen[at::Surface] == 1;
    items[at::Can].shown = s.can, items[at::Beamwidth].shown = !s.can;
    items[at::Error].shown = !s.mesh, items[at::Hole].shown = items[at::Wire].shown = s.mesh;
    if (!readDish(t, c, s, items[at::DishWords].words)) {
        items[at::Picture].shown = items[at::Notes].shown = false;
        out.said = items[at::DishWords].words;
        return;
    }
    items[at::Outer].shown = !s.offset; // an offset feed shades nothing
    readFeed(t, s, out);
    std::vector<Result>& r = items[at::Results].results;
    feedform::geometryResults(s, r);
    feedform::patternResults(s, r);
    feedform::budgetResults(s, r);
    feedform::bestResults(s, r);
    feedform::canResults(s, r);
    items[at::Picture].picture = feedform::patternPicture(s);
    items[at::Picture].shown = !items[at::Picture].picture.shapes.empty();
    std::string& notes = items[at::Notes].words;
    for (const Says n : {Says::Equivalence, Says::Shadow, Says::Backwards, Says::Mouth})
        if ((n == Says::Equivalence && s.offset) || (n == Says::Shadow && s.outer && s.feed) ||
            (n != Says::Equivalence && n != Says::Shadow && s.can && s.feed))
            notes += (notes.empty() ? "" : " ") + says(n);
    items[at::Notes].shown = !notes.empty();
    out.said = items[at::DishWords].words;
    for (const Result& result : r)
        if (result.label.starts_with("Total") || result.label.starts_with("Gain"))
            out.said += cat({" ", result.label, " ", result.value, "."});
    for (const form::ItemState& item : items)
        if (item.shown && !item.problems.empty() && !item.problems[0].empty() &&
            !item.problems[0][0].empty())
            out.said = item.problems[0][0];
}

} // namespace

const form::Tool& feedTool()
{
    static const FeedTool tool;
    return tool;
}

} // namespace planner
