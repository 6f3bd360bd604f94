// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The feed's figures, each term of the budget as a percentage and in dB,
// and its pattern drawn against the rim.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/antenna.h"
#include "builder/bounds.h"
#include "builder/feed_parts.h"

namespace planner::feedform {

namespace {

constexpr double toDegrees = 180 / std::numbers::pi;

std::string degrees(double radians)
{
    return cat({figure(radians * toDegrees, 1), "\u00b0"});
}

std::string decibels(double db)
{
    return cat({figure(db, 2), " dB"});
}

// A fraction kept as a percentage and in dB. Example: 0.8271 is "82.7%
// (-0.82 dB)".
std::string kept(double fraction)
{
    return cat({figure(fraction * 100, 1), "% (", decibels(antenna::dB(fraction)), ")"});
}

// Both planes' figures, or one where they agree. Example: "E plane -7.17
// dB, H plane -6.93 dB".
std::string planes(double e, double h)
{
    if (figure(e, 2) == figure(h, 2))
        return decibels(e);
    return cat({"E plane ", decibels(e), ", H plane ", decibels(h)});
}

} // namespace

std::string length(const Setup& s, double mm)
{
    return inBoth(mm / designOf(s.unit).mm, s.unit);
}

void geometryResults(const Setup& s, std::vector<Result>& out)
{
    if (!s.offset) {
        out.push_back({"Rim half-angle at the focus", degrees(s.halfAngle)});
    } else {
        const feed::OffsetGeometry g = feed::offsetGeometry(s.focal, s.lower, s.upper);
        out.push_back({"From the focus to the lower rim", degrees(g.lowerAngle)});
        out.push_back({"From the focus to the upper rim", degrees(g.upperAngle)});
        out.push_back({"Point the feed", degrees(g.feedAngle) + " from the parent's axis"});
        out.push_back({"Half-angle it must cover", degrees(g.halfAngle)});
    }
    out.push_back({"Space loss at the rim", decibels(-feed::spaceLossDb(s.halfAngle))});
}

void patternResults(const Setup& s, std::vector<Result>& out)
{
    if (!s.feed)
        return;
    const feed::Budget b = feed::budget(*s.feed, s.halfAngle);
    if (s.can) {
        const feed::Beamwidths w = feed::tenDbBeamwidths(*s.feed);
        const auto width = [](const std::optional<double>& a) {
            return a ? degrees(*a) : std::string("never 10 dB down");
        };
        out.push_back(
            {"Beamwidth 10 dB down", cat({"E plane ", width(w.e), ", H plane ", width(w.h)})});
    } else {
        out.push_back({"Pattern", cat({"cos^", figure(s.feed->exponent, 2), " \u03b8 in power"})});
    }
    out.push_back({"Edge taper, the feed's own", planes(b.feedEdgeEDb, b.feedEdgeHDb)});
    out.push_back({"Edge illumination, with the space loss", planes(b.edgeEDb, b.edgeHDb)});
}

void budgetResults(const Setup& s, std::vector<Result>& out)
{
    if (!s.feed)
        return;
    const feed::Budget b = feed::budget(*s.feed, s.halfAngle);
    double total = b.aperture;
    out.push_back({"Spillover", kept(b.spillover)});
    out.push_back({"Illumination (taper)", kept(b.illumination)});
    if (s.can)
        out.push_back({"Polarisation", kept(b.polarisation)});
    out.push_back({"Aperture efficiency, an ideal feed", kept(b.aperture)});
    if (s.outer && !s.offset) {
        const double shadow = feed::blockageEfficiency(*s.outer, s.diameter, b.centreToAverage);
        out.push_back({"Shadow of the feed", kept(shadow)}), total *= shadow;
    }
    if (s.error && !s.mesh) {
        const double roughest = bound(Says::Roughest).limit;
        if (*s.error > roughest * s.wavelength) {
            out.push_back(
                {"Surface, by Ruze's rule",
                 says(Says::Roughest, {figure(antenna::ruzeLossDb(roughest, 1), 1), s.mhz})});
            return; // no total: the rule no longer gives one
        }
        const double surface = antenna::ruzeEfficiency(*s.error, s.wavelength);
        out.push_back({"Surface, by Ruze's rule", kept(surface)}), total *= surface;
    }
    if (s.mesh && s.hole && s.wire) {
        const feed::MeshLeakage m = feed::meshLeakage(*s.hole, *s.wire, s.wavelength);
        out.push_back({"Mesh", cat({decibels(m.transmittedDb), " leaks through; ",
                                    kept(m.efficiency), " reflected"})});
        total *= m.efficiency;
    }
    out.push_back({"Total efficiency", kept(total)});
    const double across = std::numbers::pi * s.diameter / s.wavelength;
    out.push_back({cat({"Gain at ", s.mhz, " MHz"}),
                   cat({figure(antenna::dB(total * across * across), 1), " dBi"})});
}

void bestResults(const Setup& s, std::vector<Result>& out)
{
    if (!s.can) {
        const feed::BestCosN best = feed::bestCosN(s.halfAngle);
        out.push_back({"Best beamwidth for this dish",
                       best.widestLimit
                           ? says(Says::WidestModel)
                           : cat({degrees(best.beamwidth), " (cos^", figure(best.exponent, 2),
                                  " \u03b8): ", kept(best.efficiency), ", the edge ",
                                  decibels(best.edgeDb), " with the space loss"})});
        return;
    }
    const feed::BestCan best = feed::bestCan(s.wavelength, s.halfAngle);
    const std::string edge = best.atLargest    ? says(Says::AtEdge, {"widest"})
                             : best.atSmallest ? says(Says::AtEdge, {"narrowest"})
                                               : "";
    out.push_back({"Best can for this dish", cat({length(s, best.diameterMm),
                                                  " across: ", kept(best.budget.aperture), edge})});
}

void canResults(const Setup& s, std::vector<Result>& out)
{
    if (!s.can)
        return;
    const feed::CanDimensions c =
        feed::canDimensions(s.feed ? s.canDiameter : s.wavelength, s.wavelength);
    out.push_back({"TE11 alone", cat({"from ", length(s, c.minDiameterMm), " to ",
                                      length(s, c.maxDiameterMm), " across"})});
    if (!s.feed)
        return;
    out.push_back({"Guide wavelength", length(s, *c.guideWavelengthMm)});
    out.push_back({"Probe from the closed end", length(s, *c.probeFromBackMm)});
    out.push_back({"Probe's length, about", length(s, c.probeLengthMm)});
    out.push_back({"Can's length, at least", length(s, *c.minLengthMm)});
}

} // namespace planner::feedform
