// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The parabola through measured depths, by least squares: depths h at
// positions x fitted with h(x) = a + b x - k x^2, which for a dish's
// section is k = 1 / 4f, its centre where b = 2 k x. The sums are taken on
// the positions less their mean and scaled to -1 ... 1, so that a mark far
// from the dish (positions 1000 to 1600) loses no precision.
// Examples: 0, 4, 8 ... 24 with depths 3 - (x - 12)^2 / 48 give k = 1/48
// (f = 12), the centre at 12, 3 deep there, every residual 0; three
// points give the parabola through them.
#pragma once

#include <optional>
#include <vector>

namespace planner {

struct ParabolaFit {
    double k;            // 1 / 4f where the curve is a dish's (k > 0)
    double mean, c0, c1; // h = c0 + c1 (x - mean) - k (x - mean)^2
    double at(double x) const { return c0 + c1 * (x - mean) - k * (x - mean) * (x - mean); }
    double centre() const { return mean + c1 / (2 * k); }
};

// The fit of h at x (the same count); none with fewer than three distinct
// positions, or sums that give no single answer.
std::optional<ParabolaFit> fitParabola(const std::vector<double>& x, const std::vector<double>& h);

} // namespace planner
