// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later
//
// What the feed's physics gives a builder beyond the budget: the shadow of
// the feed, a mesh's leakage, the best feed of each kind for a dish, a
// can's dimensions, and an offset dish's angles at the focus.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "builder/feed_physics.h"

namespace planner::feed {

namespace {

constexpr double pi = std::numbers::pi;

struct Peak {
    double x;
    bool atLow, atHigh;
};

// The maximum of f on [a, b]: a scan of `samples` steps, then golden section
// on the two steps about the best sample.
template <class F> Peak maximise(F f, double a, double b, int samples, int iterations)
{
    const double step = (b - a) / samples;
    int best = 0;
    double bestValue = f(a);
    for (int i = 1; i <= samples; ++i) {
        const double v = f(a + i * step);
        if (v > bestValue) {
            best = i;
            bestValue = v;
        }
    }
    double lo = a + std::max(best - 1, 0) * step, hi = a + std::min(best + 1, samples) * step;
    const double r = 0.5 * (std::sqrt(5.0) - 1.0);
    double x1 = hi - r * (hi - lo), x2 = lo + r * (hi - lo), f1 = f(x1), f2 = f(x2);
    for (int i = 0; i < iterations; ++i) {
        if (f1 > f2) { // the peak is left of x2: keep [lo, x2], x1 becomes its x2
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - r * (hi - lo);
            f1 = f(x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + r * (hi - lo);
            f2 = f(x2);
        }
    }
    const double x = 0.5 * (lo + hi), tol = 1e-6 * (b - a);
    return {x, x - a < tol, b - x < tol};
}

} // namespace

// A centred block removes its share of the aperture field integral, to first
// order A_b E_centre out of A E_average, and the gain goes as that integral
// squared (Kildal, Foundations of Antennas (2000), the blockage efficiency of
// reflectors).
// Assumes the block small, centred and opaque, its scattering ignored.
double blockageEfficiency(double blockMm, double dishMm, double centreToAverage)
{
    if (blockMm >= dishMm)
        return 0.0;
    const double r = blockMm / dishMm;
    const double left = 1.0 - r * r * centreToAverage;
    return left > 0.0 ? left * left : 0.0;
}

// Marcuvitz, Waveguide Handbook (1951), ch. 5, the inductive grating of round
// wires, leading term: X / Z0 = (g / lambda) ln(g / (pi w)). A shunt
// reactance jX on a line of Z0 passes |T|^2 = 1 / (1 + (Z0 / 2X)^2)
// = 4x^2 / (1 + 4x^2) with x = X / Z0. The wires across E are ignored.
MeshLeakage meshLeakage(double pitchMm, double wireMm, double wavelengthMm)
{
    MeshLeakage m{};
    const double logTerm = std::log(pitchMm / (pi * wireMm));
    m.reactance = logTerm > 0.0 ? pitchMm / wavelengthMm * logTerm : 0.0;
    const double x2 = 4.0 * m.reactance * m.reactance;
    m.transmitted = x2 / (1.0 + x2);
    m.efficiency = 1.0 / (1.0 + x2);
    m.transmittedDb = levelDb(m.transmitted);
    m.efficiencyDb = levelDb(m.efficiency);
    m.withinModel = logTerm > 0.0 && pitchMm / wavelengthMm <= meshMostPitch &&
                    wireMm <= meshMostWire * pitchMm;
    return m;
}

BestCosN bestCosN(double theta0)
{
    auto eff = [theta0](double logN) { return budget(cosNFeed(std::exp(logN)), theta0).aperture; };
    const Peak p = maximise(eff, std::log(widestExponent), std::log(narrowestExponent), 24, 40);
    const double n = std::exp(p.x);
    const Budget b = budget(cosNFeed(n), theta0);
    return {n, beamwidthForExponent(n), b.aperture, b.edgeEDb, p.atLow, p.atHigh};
}

BestCan bestCan(double wavelengthMm, double theta0)
{
    const double lo = chiTE11 * wavelengthMm / pi, hi = chiTM01 * wavelengthMm / pi;
    auto eff = [&](double d) { return budget(canFeed(d, wavelengthMm), theta0).aperture; };
    const Peak p = maximise(eff, lo, hi, 8, 30);
    return {p.x, budget(canFeed(p.x, wavelengthMm), theta0), p.atLow, p.atHigh};
}

// Cutoffs of a circular guide: TE11 at lambda_c = pi d / chi'11, TM01 at
// pi d / chi01; guide wavelength lambda / sqrt(1 - (lambda / lambda_c)^2)
// (Marcuvitz ch. 2; Balanis, Advanced Engineering Electromagnetics, ch. 9).
CanDimensions canDimensions(double innerDiameterMm, double wavelengthMm)
{
    CanDimensions c{};
    c.minDiameterMm = chiTE11 * wavelengthMm / pi;
    c.maxDiameterMm = chiTM01 * wavelengthMm / pi;
    c.singleMode = innerDiameterMm >= c.minDiameterMm && innerDiameterMm <= c.maxDiameterMm;
    c.probeLengthMm = 0.25 * wavelengthMm;
    const double r = chiTE11 * wavelengthMm / (pi * innerDiameterMm); // lambda / lambda_c
    if (r < 1.0) {
        const double lg = wavelengthMm / std::sqrt(1.0 - r * r);
        c.guideWavelengthMm = lg;
        c.probeFromBackMm = 0.25 * lg;
        c.minLengthMm = 0.75 * lg;
    }
    return c;
}

// A ray from the focus to a point of the parent at height x leaves at
// theta with tan(theta / 2) = x / 2f (rho = 2f tan(theta / 2)); the feed
// points along the bisector of the rim's two rays and covers half their
// angle (Rudge and Adatia, "Offset-parabolic-reflector antennas: a review",
// Proc. IEEE 66, 1978).
OffsetGeometry offsetGeometry(double focalMm, double lowerRimMm, double upperRimMm)
{
    OffsetGeometry g{};
    g.lowerAngle = 2.0 * std::atan(lowerRimMm / (2.0 * focalMm));
    g.upperAngle = 2.0 * std::atan(upperRimMm / (2.0 * focalMm));
    g.feedAngle = 0.5 * (g.lowerAngle + g.upperAngle);
    g.halfAngle = 0.5 * (g.upperAngle - g.lowerAngle);
    g.equivalentFOverD = fOverDForRimAngle(g.halfAngle);
    return g;
}

} // namespace planner::feed
