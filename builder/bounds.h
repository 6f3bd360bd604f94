// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every bound the builder's tools (the dish check, the feed) hold their
// figures to, and every sentence they say of them, in one table: each with
// its limit, the words (%1, %2 ... for the figures put in) and, above it,
// the reason for it. A figure past a bound is one no dish can have, or one a rule
// cannot give: the tool says so in words instead. Example:
// says(Says::SpanOver, {"30 in", "24 in"}) is "the positions span 30 in,
// more than the diameter of 24 in: check the diameter, or measure within
// the rim."
#pragma once

#include <cstdint>
#include <iterator>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace planner {

enum class Says : std::uint8_t {
    Blank,
    NotANumber,
    OverTenMetres,
    NotAboveZero,
    AboveTheEdge,
    TooFewPositions,
    Flattest,
    WrongWay,
    CentreOutside,
    Deepest,
    SpanOver,
    SpanUnder,
    WiderThanHigh,
    OffsetFlattest,
    OffsetDeepest,
    NoDish,
    FocusInside,
    Lopsided,
    ThreePoints,
    HowEstimated,
    Roughest,
    OneDbAbove,
    OneDbBelow,
    WidthAsAperture,
    OutsideDiameters,
    OutsideDepths,
    NoneChecked,
    BelowCutoff,
    PastTM01,
    BeamPast180,
    BeamPast360,
    OuterPastDish,
    HoleCoarse,
    WireThick,
    WidestModel,
    AtEdge,
    Equivalence,
    Shadow,
    Backwards,
    Mouth,
};

// Each row's reason stands above it, and the unit of its limit.
struct Bound {
    Says says;
    double limit; // where the bound lies, in the unit its reason gives; 0 for a sentence alone
    std::string_view words;
};

inline constexpr Bound bounds[] = {
    // every figure the check takes must be typed
    {Says::Blank, 0, "type a number."},
    // a ruler's or a caliper's figure, as a spreadsheet writes it
    {Says::NotANumber, 0,
     "%1 is not a number; type digits, with a point or a comma before any decimals."},
    // millimetres: the dishes amateurs build are at most a few metres across, so a larger figure
    // is a unit taken for another
    {Says::OverTenMetres, 10000, "over ten metres, no dish this check is for; check the unit."},
    // a length
    {Says::NotAboveZero, 0, "must be more than 0."},
    // the surface lies below the straight edge laid across the rim
    {Says::AboveTheEdge, 0, "below 0; measure down from the edge to the surface."},
    // points: a parabola has three unknowns, and only points beyond them tell its error
    {Says::TooFewPositions, 3,
     "measure at least 3 different positions, 5 or more to see the surface's error."},
    // F/D: a dish that flat focuses nowhere a feed could stand
    {Says::Flattest, 100,
     "these depths hardly curve, flatter than any dish (F/D over 100); check them."},
    // a dish is deepest in its middle
    {Says::WrongWay, 0,
     "these depths curve the wrong way for a dish; measure each from the edge down to the "
     "surface."},
    // the fit's centre must lie among the points, or it is extrapolated
    {Says::CentreOutside, 0,
     "the curve's lowest point falls outside the positions measured; measure rim to rim, "
     "through the middle."},
    // F/D: deeper, the focus lies within a quarter of the depth of the vertex, where no feed sees
    // the rim
    {Says::Deepest, 0.125,
     "these depths give a dish deeper than half its diameter (F/D under 0.125), which no dish "
     "is; check the depths and the unit."},
    // times the diameter: the straight edge lies across the rim, so its points lie within the
    // diameter, with a tenth to spare for where the rim was met
    {Says::SpanOver, 1.1,
     "the positions span %1, more than the diameter of %2: check the diameter, or measure "
     "within the rim."},
    // times the diameter: beyond the points the fit is guessed, and the rim's figures with it
    {Says::SpanUnder, 0.5,
     "the positions span only %1 of the %2 diameter: measure from rim to rim."},
    // an offset dish's rim is a circle seen at an angle
    {Says::WiderThanHigh, 0,
     "more than the height, which an offset dish cut from a paraboloid never is. Check the "
     "two; a dish wider than high is shaped: lay a flat board across it and measure it as a "
     "round dish."},
    // f/W, as F/D for a round dish
    {Says::OffsetFlattest, 100, "so shallow a dish has no useful focus (f/W over 100); check it."},
    // f/W: offset dishes are cut from shallow paraboloids, f/W 0.4 and more
    {Says::OffsetDeepest, 0.2,
     "so deep a dish would have its focus closer than a fifth of its width (f/W under 0.2), "
     "which no offset dish has; check it."},
    // a sum beyond what the computer's numbers hold
    {Says::NoDish, 0, "these give no dish; check them."},
    // F/D: below it the rim stands higher than the focus
    {Says::FocusInside, 0.25,
     "The focus lies inside the dish, below the plane of its rim: the feed must look back past "
     "its sides, more than 180\u00b0."},
    // times the diameter, where the positions span the diameter within a twentieth
    {Says::Lopsided, 0.02,
     "The centre is %1 from the middle of the positions: the dish may be lopsided, or the edge "
     "not across its middle."},
    // the fit takes three points
    {Says::ThreePoints, 0,
     "Three points fit a parabola exactly and say nothing of the surface: measure 5 or more to "
     "see its error."},
    // Ruze's rule takes the half path-length error, and a fit of three unknowns leaves N - 3
    // degrees of freedom
    {Says::HowEstimated, 0,
     "The surface error is each point's depth off the curve times cos\u00b2(\u03c8/2), \u03c8 "
     "its angle from the axis at the focus (the half path-length error of Ruze's rule), "
     "squared, summed and divided by the points less the three the fit takes."},
    // wavelengths RMS: beyond, the loss is several dB and more, and the rule for small random
    // errors stops holding
    {Says::Roughest, 0.1,
     "over %1 dB: the surface is too rough for %2 MHz, where Ruze's rule no longer describes "
     "it; the dish will not serve at this frequency."},
    // MHz: beyond any band this check is for
    {Says::OneDbAbove, 100000, "above 100000 MHz"},
    // MHz: below the planner's bands, only a bound
    {Says::OneDbBelow, 1000, "below 1000 MHz"},
    // an offset dish's aperture is the circle its rim projects along the axis
    {Says::WidthAsAperture, 0, "The gain takes the width as the diameter of the aperture."},
    // the diameter bar's range
    {Says::OutsideDiameters, 0, "none: the planner's dishes are %1 to %2 inches across"},
    // the depth bar's range
    {Says::OutsideDepths, 0,
     "none: at this focal length a %1-inch dish is %2 inches deep, beyond the planner's %3 to "
     "%4"},
    // the checked dish is the check's
    {Says::NoneChecked, 0,
     "No dish has been checked yet: measure one in \u201cCheck a dish you have\u201d, or take "
     "the dish as the planner shows it."},
    // TE11's cut-off wavelength is pi d / 1.84118 (the first zero of J1')
    {Says::BelowCutoff, 1.84118,
     "narrower than %1, where TE11 is cut off at %2 MHz: no wave leaves the can. Cans from %1 to "
     "%3 work."},
    // TM01's cut-off wavelength is pi d / 2.40483 (the first zero of J0)
    {Says::PastTM01, 2.40483,
     "wide enough for TM01 as well, which propagates from %3: the pattern is TE11's no more. "
     "Cans from %1 to %3 work."},
    // degrees: the model's pattern ends at 90 degrees
    {Says::BeamPast180, 180,
     "over 180\u00b0, which a cos^n pattern cannot give: it falls to nothing 90\u00b0 from its "
     "axis. A feed this wide looks past 90\u00b0; take it as a can, or type the width it has "
     "within its front."},
    // degrees
    {Says::BeamPast360, 360,
     "past 360\u00b0, more than the whole way round; type the full width "
     "between the points 10 dB down."},
    // times the dish's diameter
    {Says::OuterPastDish, 1, "as wide as the dish, or wider: it would shade the whole aperture."},
    // wavelengths: Marcuvitz's inductive grid holds for pitches well below a wavelength
    {Says::HoleCoarse, 0.2,
     "%1 is more than a fifth of the wavelength (%2 at %3 MHz), beyond where the wire grid's "
     "formula holds: the mesh is too coarse for this band."},
    // times the pitch: the formula takes the wires thin beside their spacing
    {Says::WireThick, 0.1,
     "more than a tenth of the hole, beyond where the formula for thin wires holds."},
    // the cos^n search stops at n = 1, a -10 dB beamwidth of 168.5 degrees
    {Says::WidestModel, 0,
     "none within the model: on so deep a dish a cos^n pattern, cut off at 90\u00b0, keeps "
     "gaining as it widens, which no real feed does. A deep dish needs a feed that looks past "
     "90\u00b0, such as a can."},
    // the best can within TE11 alone
    {Says::AtEdge, 0, ", at the %1 edge of its single-mode range"},
    // Rudge and Adatia, Proc. IEE 125, 1978
    {Says::Equivalence, 0,
     "An offset dish is taken as the prime-focus dish of the same half-angle, the feed pointed "
     "along the bisector of the rims: the usual equivalence."},
    // Kildal, Foundations of Antennas, on central blockage
    {Says::Shadow, 0,
     "The feed's shadow counts its own illumination at the centre: (1 - (d/D)\u00b2 E0/Em)\u00b2, "
     "E0/Em the field at the centre over the aperture's mean; a uniform illumination would lose "
     "less."},
    // the TE11 aperture radiates as a Huygens source, no flange
    {Says::Backwards, 0,
     "An open can radiates some of its power backwards: the spillover counts it lost, over the "
     "whole sphere."},
    // the phase centre of an open guide lies within its mouth
    {Says::Mouth, 0,
     "Put the can's mouth at the focus; its phase centre lies a little inside, so move the feed "
     "along the axis for the most sun noise."}};

constexpr const Bound& bound(Says s)
{
    return bounds[static_cast<int>(s)];
}
constexpr bool boundsInOrder()
{
    for (int i = 0; i < int(std::size(bounds)); ++i)
        if (int(bounds[i].says) != i)
            return false;
    return true;
}
static_assert(boundsInOrder(), "a row for each sentence, in order");

// The sentence with its figures put in for %1, %2 and so on.
std::string says(Says s, std::initializer_list<std::string_view> figures = {});

// The figure typed in a field, as the builder's tools read one: a decimal
// comma as a point, the marks that show nothing dropped; for a length in
// a unit of `mm` millimetres, none over ten metres (mm 0: no length). None
// where it is not one, and why in one sentence.
// Examples: "4,3" is 4.3; "24x" is none, "“24x” is not a number; ...".
std::optional<double> typedFigure(const std::string& text, double mm, std::string& why);

} // namespace planner
