// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The physics of a dish's feed: its far field, the efficiency budget of a
// paraboloid it illuminates from the focus, the losses of blockage, surface
// error and mesh, the best feed for a dish, a can feed's dimensions and the
// angles of an offset dish. Lengths in millimetres, angles in radians,
// frequencies in MHz. Every function is total over the domain it states and
// gives no NaN or infinity there; levels in dB are 10 log10 of a power ratio
// (so at most 0 for a loss), floored at dbFloor where the ratio is 0.
// Example: a 90 mm can at 2400 MHz in a dish of F/D 0.4 (rim 64.0 degrees)
// spills 27% of its power and gives an aperture efficiency of about 66%.
#pragma once

#include <cmath>
#include <numbers>
#include <optional>

namespace planner::feed {

inline constexpr double chiTE11 = 1.841183781340659; // first zero of J1' (A&S Table 9.5)
inline constexpr double chiTM01 = 2.404825557695773; // first zero of J0 (A&S Table 9.5)
inline constexpr double dbFloor = -200.0;            // the level given for a ratio of 0
// Marcuvitz's grid formula holds for pitches below about a fifth of a
// wavelength, and for wires thin beside their pitch (taken as a tenth).
inline constexpr double meshMostPitch = 0.2;
inline constexpr double meshMostWire = 0.1;
// The cos^n search runs over these exponents: n = 1 (a -10 dB beamwidth of
// 168.5 degrees) is the widest pattern credited, since below it the cut at
// 90 degrees, not a real feed, is what keeps the spillover low; n = 1000
// (7.8 degrees) suits a dish of F/D about 7.
inline constexpr double widestExponent = 1.0;
inline constexpr double narrowestExponent = 1000.0;

// The free-space wavelength at mhz > 0, light going 299,792,458 m/s:
// 299792.458 / mhz (the window's gain keeps its own 30000 cm / MHz).
// Example: 2400 MHz gives 124.914 mm, 10368 MHz 28.915 mm.
inline constexpr double lightMmMHz = 299792.458;
inline double wavelengthMm(double mhz)
{
    return lightMmMHz / mhz;
}

// A power ratio as a level in dB, floored at dbFloor. Example: 0.1 is -10.
double levelDb(double ratio);

// Bessel functions of the first kind for any real x, to 1e-14 absolute for
// |x| <= 4 (where the feed patterns use them) and 1e-10 beyond.
// Example: besselJ0(1) = 0.765197686557966, besselJ1(1) = 0.440050585744934.
double besselJ0(double x);
double besselJ1(double x);

// The F/D of a prime-focus dish of rim half-angle 0 < theta0 < pi, the
// inverse of antenna::rimHalfAngle: 1 / (4 tan(theta0 / 2)).
// Example: 64.01 degrees gives 0.4, pi / 2 gives 0.25.
inline double fOverDForRimAngle(double theta0)
{
    return 1.0 / (4.0 * std::tan(0.5 * theta0));
}

// The exponent n of a cos^n(theta) power pattern from its full -10 dB
// beamwidth, cos^n(bw / 2) = 0.1, for 0 < bw < pi; and the inverse for n > 0.
// Example: 90 degrees gives n = 6.644, 60 degrees n = 16.01.
inline double exponentForBeamwidth(double fullBeamwidth10dB)
{
    return std::log(0.1) / std::log(std::cos(0.5 * fullBeamwidth10dB));
}
inline double beamwidthForExponent(double n)
{
    return 2.0 * std::acos(std::pow(0.1, 1.0 / n));
}

enum class FeedKind { CosN, Can };

// A feed with its phase centre at the focus. Make one with cosNFeed or
// canFeed; the fields are what the pattern needs, kept to make it cheap.
struct Feed {
    FeedKind kind = FeedKind::CosN;
    double exponent = 2.0;  // CosN: n of the power pattern
    double ka = 0.0;        // Can: pi d / lambda
    double betaOverK = 0.0; // Can: TE11 guide wavenumber over free space's
};

// The cos^n feed for n >= 0. Example: cosNFeed(2) has amplitude cos(theta).
inline Feed cosNFeed(double n)
{
    return {FeedKind::CosN, n, 0.0, 0.0};
}
// An open-ended circular guide of inner diameter d > 0 in its TE11 mode at
// wavelength lambda > 0; below cutoff it is taken at cutoff (beta = 0).
// Example: canFeed(90, 124.914) has ka = 2.2635, betaOverK = 0.5817.
Feed canFeed(double innerDiameterMm, double wavelengthMm);

// Co-polar far-field amplitudes in the E and H planes, 1 on the axis, real
// and signed (a can's H plane turns negative behind it), for 0 <= theta <= pi.
struct Planes {
    double e, h;
};
// Example: cosNFeed(2) at 60 degrees gives {0.5, 0.5}, at 100 degrees {0, 0}.
Planes amplitude(const Feed& feed, double theta);

// The full -10 dB (power) beamwidths of each plane, twice the first angle
// from the axis where the power falls to 0.1 (so above pi where that lies
// behind the aperture), none where a plane never falls so far.
// Example: cosNFeed(6.644) gives 90 degrees in both; at 2400 MHz a 90 mm can
// gives E 173.4, H 159.5 degrees, an 86 mm can E 200.0, and a 74 mm can
// has no E-plane width. Found to 1e-12 rad for cans up to ten wavelengths.
struct Beamwidths {
    std::optional<double> e, h;
};
Beamwidths tenDbBeamwidths(const Feed& feed);

// The efficiency budget of a paraboloid of rim half-angle 0 < theta0 < pi
// fed from the focus (Kildal's factorisation); efficiencies are fractions.
// With Ludwig's third definition a BOR1 feed's co-polar field is CO + XP cos
// 2 phi and its cross-polar XP sin 2 phi, CO = (A_E + A_H) / 2 and XP =
// (A_E - A_H) / 2; polarisation is Kildal's CO share, which counts XP's
// co-polar part as lost along with the cross-polar, as it adds nothing on
// the axis. A rim beyond a cos^n feed's 90 degrees gets the dbFloor level.
struct Budget {
    double spillover;       // power within theta0 over all the feed radiates
    double illumination;    // taper: the aperture's use of that power
    double polarisation;    // share of it in CO, the phi-even co-polar part
    double aperture;        // their product
    double feedEdgeEDb;     // the feed's own level at the rim, E plane
    double feedEdgeHDb;     // and H plane
    double spaceLossDb;     // 20 log10((1 + cos theta0) / 2)
    double edgeEDb;         // edge illumination, feed and space loss, E plane
    double edgeHDb;         // and H plane
    double centreToAverage; // aperture field at the centre over its mean
};
// Integrals by 32-point Gauss-Legendre: within 1e-12 of closed forms for
// cos^n (1e-7 for n < 1 with theta0 >= pi / 2), and converged to 1e-13 for
// cans up to a wavelength across (2e-10 at four).
// Example: cosNFeed(2) at F/D 0.4 gives spillover 0.9159, illumination
// 0.9030, aperture 0.8271, edge -7.17 - 2.86 = -10.03 dB in both planes.
Budget budget(const Feed& feed, double theta0);

// The space loss at the rim for 0 <= theta0 < pi: the path from the focus,
// r = 2f / (1 + cos theta) (Silver ch. 12; Balanis, Antenna Theory, sec.
// 15.4), leaves the edge's field (1 + cos theta0) / 2 of the centre's.
// Example: F/D 0.4 gives -2.864 dB (-20 log10 1.390625), F/D 0.5 -1.938 dB.
inline double spaceLossDb(double theta0)
{
    return 20.0 * std::log10(0.5 * (1.0 + std::cos(theta0)));
}

// The gain left by a centred block of diameter d >= 0 on a dish of diameter
// D > 0: (1 - (d/D)^2 c)^2, c the budget's centreToAverage (1 for uniform
// illumination); 0 where d >= D or the bracket is not positive.
// Example: d/D = 0.1 and c = 1 give 0.9801; c = 1.3 gives 0.9742.
double blockageEfficiency(double blockMm, double dishMm, double centreToAverage);

// A mesh reflector's leakage, from the grid of wires parallel to E.
struct MeshLeakage {
    double reactance;     // normalized shunt reactance X / Z0
    double transmitted;   // power through, |T|^2
    double transmittedDb; // 10 log10 |T|^2
    double efficiency;    // power kept, 1 - |T|^2
    double efficiencyDb;  // 10 log10 of it
    bool withinModel;     // pitch and wire within the formula's validity
};
// For pitch > pi * wire > 0 and lambda > 0 (outside, leakage is taken as 0).
// Example: 12.7 mm pitch, 1 mm wire, 2400 MHz: X / Z0 = 0.1420, -11.27 dB
// through, -0.337 dB of gain.
MeshLeakage meshLeakage(double pitchMm, double wireMm, double wavelengthMm);

// The cos^n feed that maximises the aperture efficiency at rim theta0.
// widestLimit (or narrowestLimit) means the efficiency still rises towards
// widestExponent (narrowestExponent): the figures are those at the limit, not a
// best, and for widestLimit the model no longer stands for a real feed.
struct BestCosN {
    double exponent, beamwidth, efficiency, edgeDb; // edgeDb with space loss
    bool widestLimit, narrowestLimit;
};
// Example: F/D 0.4 gives n = 2.106 (beamwidth 140.9 degrees), 82.7%, edge
// -10.4 dB; F/D 0.3 gives widestLimit.
BestCosN bestCosN(double theta0);

// The can inner diameter within the TE11-only range at lambda > 0 that gives
// the highest aperture efficiency at rim theta0, with its budget; a flag says
// the best lies at the end of the range. The open guide sends much of its
// power backwards, all spilled, so on all but deep dishes the widest can,
// the narrowest beam, does best.
struct BestCan {
    double diameterMm;
    Budget budget;
    bool atSmallest, atLargest;
};
// Example: 2400 MHz and F/D 0.4 gives 95.62 mm (atLargest), 67.4%; F/D 0.25
// gives 91.41 mm, 63.5%.
BestCan bestCan(double wavelengthMm, double theta0);

// A can's dimensions for inner diameter d > 0 at lambda > 0. The guide
// wavelength, probe place and length exist only above TE11 cutoff.
struct CanDimensions {
    double minDiameterMm, maxDiameterMm; // the TE11-only range
    bool singleMode;                     // d within that range
    std::optional<double> guideWavelengthMm;
    std::optional<double> probeFromBackMm; // guide wavelength / 4
    std::optional<double> minLengthMm;     // 3/4 guide wavelength
    double probeLengthMm;                  // lambda / 4
};
// Example: 90 mm at 2400.25 MHz: range 73.20 to 95.61, guide wavelength
// 214.68, probe 53.67 from the back and 31.23 long, can at least 161.0 long.
CanDimensions canDimensions(double innerDiameterMm, double wavelengthMm);

// An offset dish cut from a parent of focal length f > 0 with its rim at
// heights x1 < x2 above the parent's axis (x1 may be negative).
struct OffsetGeometry {
    double lowerAngle, upperAngle; // from the axis at the focus, 2 atan(x / 2f)
    double feedAngle;              // where the feed points: their bisector
    double halfAngle;              // what it covers: the equivalent theta0
    double equivalentFOverD;       // of the prime-focus dish with that rim
};
// Example: f = 500, x1 = 0, x2 = 1000: 0 and 90 degrees, the feed at 45
// degrees covering 45, equivalent F/D 0.604.
OffsetGeometry offsetGeometry(double focalMm, double lowerRimMm, double upperRimMm);

} // namespace planner::feed
