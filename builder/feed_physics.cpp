// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/feed_physics.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace planner::feed {

namespace {

constexpr double pi = std::numbers::pi;

struct J01 {
    double j0, j1OverX; // J1(x) / x is finite at 0, as the E plane needs
};

// Power series, Abramowitz & Stegun 9.1.10. Used for x < 13, where the
// largest term is below e^x / sqrt(2 pi x), so rounding costs under 1e-11
// (1e-15 for the small arguments of a can's pattern).
J01 seriesJ01(double x)
{
    const double q = -0.25 * x * x;
    double t0 = 1.0, t1 = 0.5, s0 = 1.0, s1 = 0.5;
    for (int k = 1; k < 100; ++k) {
        t0 *= q / (double(k) * k);
        t1 *= q / (double(k) * (k + 1));
        s0 += t0;
        s1 += t1;
        if (std::abs(t0) < 1e-17 && std::abs(t1) < 1e-17)
            break;
    }
    return {s0, s1};
}

// Hankel's asymptotic expansion, A&S 9.2.5 with 9.2.9-10, summed to its
// smallest term; for x >= 13 that term is below e^-2x, about 1e-11.
double hankelJ(int nu, double x)
{
    const double mu = 4.0 * nu * nu;
    double term = 1.0, p = 1.0, q = 0.0;
    for (int k = 1; k < 60; ++k) {
        const double next = term * (mu - double(2 * k - 1) * (2 * k - 1)) / (8.0 * k * x);
        if (std::abs(next) >= std::abs(term) || std::abs(next) < 1e-17)
            break;
        term = next;
        const double sign = (k / 2) % 2 == 0 ? 1.0 : -1.0; // + - - + + ...: (-1)^floor(k/2)
        (k % 2 == 0 ? p : q) += sign * term;
    }
    const double chi = x - (0.5 * nu + 0.25) * pi;
    return std::sqrt(2.0 / (pi * x)) * (p * std::cos(chi) - q * std::sin(chi));
}

J01 bessel01(double x)
{
    x = std::abs(x);
    if (x < 13.0)
        return seriesJ01(x);
    return {hankelJ(0, x), hankelJ(1, x) / x};
}

constexpr int kNodes = 32;

struct Gauss {
    std::array<double, kNodes> x, w; // on -1 ... 1
};

// Nodes by Newton's method on the Legendre recurrence (Abramowitz & Stegun
// 25.4.29); weights 2 / ((1 - x^2) P_n'(x)^2).
Gauss makeGauss()
{
    Gauss g{};
    for (int i = 0; i < kNodes; ++i) {
        double x = std::cos(pi * (i + 0.75) / (kNodes + 0.5)), dp = 1.0;
        for (int it = 0; it < 100; ++it) {
            double p0 = 1.0, p1 = x;
            for (int k = 2; k <= kNodes; ++k) {
                const double p2 = ((2.0 * k - 1) * x * p1 - (k - 1.0) * p0) / k;
                p0 = p1;
                p1 = p2;
            }
            dp = kNodes * (x * p1 - p0) / (x * x - 1.0);
            const double dx = p1 / dp;
            x -= dx;
            if (std::abs(dx) < 1e-16)
                break;
        }
        g.x[i] = x;
        g.w[i] = 2.0 / ((1.0 - x * x) * dp * dp);
    }
    return g;
}

const Gauss& gauss()
{
    static const Gauss g = makeGauss();
    return g;
}

template <class F> double integrate(F f, double a, double b)
{
    const Gauss& g = gauss();
    const double mid = 0.5 * (a + b), half = 0.5 * (b - a);
    double s = 0.0;
    for (int i = 0; i < kNodes; ++i)
        s += g.w[i] * f(mid + half * g.x[i]);
    return s * half;
}

// The open end of a circular guide with its TE11 field in the aperture,
// radiating as a Huygens source (J = n x H, M = -n x E with H = z x E / Z_TE,
// no flange), as in Silver, Microwave Antenna Theory and Design (1949), for
// the open circular guide; derived as in Balanis, Antenna Theory, sec.
// 12.2-12.3 (equivalence, radiation integrals) with the TE11 field of 12.6.
// With u = ka sin(theta) and b = beta / k, normalized to 1 on the axis:
//   E plane: (1 + b cos theta) / (1 + b) * 2 J1(u) / u
//   H plane: (b + cos theta) / (1 + b) * 2 J1'(u) / (1 - (u / chi'11)^2)
Planes canPlanes(double ka, double b, double s, double c)
{
    const double u = ka * s;
    const J01 j = bessel01(u);
    const double e = 2.0 * j.j1OverX * (1.0 + b * c) / (1.0 + b);
    const double q = 1.0 - (u / chiTE11) * (u / chiTE11);
    // At u = chi'11 both J1'(u) and q vanish; the limit, from Bessel's
    // equation, is J1'(u) / q -> (u^2 - 1) J1(u) / 2u.
    const double ratio =
        std::abs(q) > 1e-8 ? (j.j0 - j.j1OverX) / q : 0.5 * (u * u - 1.0) * j.j1OverX;
    return {e, 2.0 * ratio * (b + c) / (1.0 + b)};
}

// The integrals of Kildal's factorisation (Kildal, "Factorization of the
// feed efficiency of paraboloids and Cassegrain antennas", IEEE Trans. AP-33,
// 1985), with CO = (A_E + A_H) / 2 and XP = (A_E - A_H) / 2 (Ludwig 3):
struct Sums {
    double in;    // int_0^theta0 (A_E^2 + A_H^2) / 2 sin theta
    double out;   // the same from theta0 to pi: what spills, back lobes too
    double co;    // int_0^theta0 CO^2 sin theta
    double field; // int_0^theta0 CO tan(theta / 2)
};

Sums canSums(const Feed& feed, double theta0)
{
    const Gauss& g = gauss();
    const double hi = 0.5 * theta0, ho = 0.5 * (pi - theta0); // half widths, in and out
    Sums s{};
    for (int i = 0; i < kNodes; ++i) {
        const double ti = hi * (1.0 + g.x[i]), to = theta0 + ho * (1.0 + g.x[i]);
        const Planes p = canPlanes(feed.ka, feed.betaOverK, std::sin(ti), std::cos(ti));
        const Planes q = canPlanes(feed.ka, feed.betaOverK, std::sin(to), std::cos(to));
        const double co = 0.5 * (p.e + p.h), wi = g.w[i] * hi, wo = g.w[i] * ho;
        s.in += wi * 0.5 * (p.e * p.e + p.h * p.h) * std::sin(ti);
        s.co += wi * co * co * std::sin(ti);
        s.field += wi * co * std::tan(0.5 * ti);
        s.out += wo * 0.5 * (q.e * q.e + q.h * q.h) * std::sin(to);
    }
    return s;
}

// For cos^n the powers are closed forms, int_0^theta0 cos^n sin = (1 - c^(n+1))
// / (n + 1), and the field integral is taken in c = cos theta:
// int_c1^1 c^(n/2) / (1 + c) dc, c1 = max(cos theta0, 0).
double cosNField(double n, double theta0)
{
    const double m = 0.5 * n;
    const double c1 = std::max(std::cos(theta0), 0.0);
    // c^m is below e^-40 of its peak once 1 - c > 40 / m.
    if (m > 20.0)
        return integrate([m](double c) { return std::pow(c, m) / (1.0 + c); },
                         std::max(c1, 1.0 - 40.0 / m), 1.0);
    // c = s^2 tames the corner of c^m at c = 0: 2 s^(2m+1) / (1 + s^2).
    return integrate([m](double s) { return 2.0 * std::pow(s, 2.0 * m + 1.0) / (1.0 + s * s); },
                     std::sqrt(c1), 1.0);
}

Sums cosNSums(double n, double theta0)
{
    const double c1 = std::cos(theta0);
    double inside = 1.0, outside = 0.0; // fractions of the power, (1 - c1^(n+1)) and c1^(n+1)
    if (c1 > 0.0) {
        // log cos theta0 as log1p(-2 sin^2(theta0 / 2)) keeps small rims exact.
        const double sh = std::sin(0.5 * theta0);
        const double lg = (n + 1.0) * std::log1p(-2.0 * sh * sh);
        inside = -std::expm1(lg);
        outside = std::exp(lg);
    }
    const double total = 1.0 / (n + 1.0);
    return {inside * total, outside * total, inside * total, cosNField(n, theta0)};
}

// spillover = in / (in + out), polarisation = co / in, illumination =
// 2 cot^2(theta0 / 2) field^2 / co (Kildal 1985); for one pattern in both
// planes their product is Silver's cot^2(theta0 / 2) |int sqrt(G) tan(theta
// / 2)|^2 with G the feed's gain (Silver ch. 12).
Budget finish(const Sums& s, double theta0, Planes rim)
{
    Budget b{};
    const double t = std::tan(0.5 * theta0);
    b.spillover = s.in / (s.in + s.out);
    b.polarisation = s.in > 0.0 ? s.co / s.in : 1.0;
    b.illumination = s.co > 0.0 ? 2.0 * s.field * s.field / (t * t * s.co) : 0.0;
    b.aperture = b.spillover * b.illumination * b.polarisation;
    b.feedEdgeEDb = levelDb(rim.e * rim.e);
    b.feedEdgeHDb = levelDb(rim.h * rim.h);
    b.spaceLossDb = spaceLossDb(theta0);
    b.edgeEDb = std::max(b.feedEdgeEDb + b.spaceLossDb, dbFloor);
    b.edgeHDb = std::max(b.feedEdgeHDb + b.spaceLossDb, dbFloor);
    // Mean aperture field over the centre's: cot^2(theta0 / 2) * field,
    // from E_a ~ CO cos^2(theta / 2) and rho = 2f tan(theta / 2).
    b.centreToAverage = s.field > 0.0 ? t * t / s.field : 1.0;
    return b;
}

// The full width, twice the first angle from the axis where amp(theta)^2
// falls to 0.1, if it does: a scan in 2-degree steps, then bisection. The
// steps resolve main lobes wider than about 4 degrees.
template <class F> std::optional<double> tenDbWidth(F amp)
{
    const double step = pi / 90.0;
    for (int i = 1; i <= 90; ++i) {
        double lo = (i - 1) * step, hi = i * step;
        const double end = amp(hi);
        if (end * end >= 0.1)
            continue;
        for (int k = 0; k < 50; ++k) {
            const double m = 0.5 * (lo + hi), am = amp(m);
            (am * am < 0.1 ? hi : lo) = m;
        }
        return lo + hi;
    }
    return std::nullopt;
}

} // namespace

double levelDb(double ratio)
{
    return ratio > 0.0 ? std::max(10.0 * std::log10(ratio), dbFloor) : dbFloor;
}

double besselJ0(double x)
{
    return bessel01(x).j0;
}

double besselJ1(double x)
{
    return bessel01(x).j1OverX * x;
}

Feed canFeed(double innerDiameterMm, double wavelengthMm)
{
    const double ka = pi * innerDiameterMm / wavelengthMm;
    const double r = chiTE11 / ka; // lambda / lambda_c
    return {FeedKind::Can, 0.0, ka, r < 1.0 ? std::sqrt(1.0 - r * r) : 0.0};
}

Planes amplitude(const Feed& feed, double theta)
{
    if (feed.kind == FeedKind::Can)
        return canPlanes(feed.ka, feed.betaOverK, std::sin(theta), std::cos(theta));
    const double a = theta < 0.5 * pi ? std::pow(std::cos(theta), 0.5 * feed.exponent) : 0.0;
    return {a, a};
}

Beamwidths tenDbBeamwidths(const Feed& feed)
{
    if (feed.kind == FeedKind::CosN) {
        const double w = beamwidthForExponent(feed.exponent);
        return {w, w};
    }
    return {tenDbWidth([&](double t) { return amplitude(feed, t).e; }),
            tenDbWidth([&](double t) { return amplitude(feed, t).h; })};
}

Budget budget(const Feed& feed, double theta0)
{
    const Sums s =
        feed.kind == FeedKind::Can ? canSums(feed, theta0) : cosNSums(feed.exponent, theta0);
    return finish(s, theta0, amplitude(feed, theta0));
}

} // namespace planner::feed
