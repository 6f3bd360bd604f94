// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "builder/parabola_fit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace planner {

namespace {

// Solves the 3 by 3 system m v = r by elimination with partial pivoting;
// none where it has no single answer.
std::optional<std::array<double, 3>> solve(std::array<std::array<double, 4>, 3> m)
{
    for (int col = 0; col < 3; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 3; ++r)
            if (std::abs(m[r][col]) > std::abs(m[pivot][col]))
                pivot = r;
        if (!(std::abs(m[pivot][col]) > 1e-12))
            return std::nullopt;
        std::swap(m[col], m[pivot]);
        for (int r = col + 1; r < 3; ++r) {
            const double f = m[r][col] / m[col][col];
            for (int c = col; c < 4; ++c)
                m[r][c] -= f * m[col][c];
        }
    }
    std::array<double, 3> v{};
    for (int r = 2; r >= 0; --r) {
        double sum = m[r][3];
        for (int c = r + 1; c < 3; ++c)
            sum -= m[r][c] * v[c];
        v[r] = sum / m[r][r];
    }
    return v;
}

} // namespace

std::optional<ParabolaFit> fitParabola(const std::vector<double>& x, const std::vector<double>& h)
{
    std::size_t distinct = 0;
    for (std::size_t i = 0; i < x.size(); ++i)
        distinct += std::find(x.begin(), x.begin() + i, x[i]) == x.begin() + i;
    if (x.size() != h.size() || distinct < 3)
        return std::nullopt;
    double mean = 0, scale = 0;
    for (const double p : x)
        mean += p / double(x.size());
    for (const double p : x)
        scale = std::max(scale, std::abs(p - mean));
    // The normal equations of h = c0 + c1 u + c2 u^2, u = (x - mean) / scale.
    std::array<std::array<double, 4>, 3> m{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double u = (x[i] - mean) / scale, powers[] = {1, u, u * u, u * u * u, u * u * u * u};
        for (int r = 0; r < 3; ++r) {
            for (int c = 0; c < 3; ++c)
                m[r][c] += powers[r + c];
            m[r][3] += h[i] * powers[r];
        }
    }
    const auto c = solve(m);
    if (!c)
        return std::nullopt;
    return ParabolaFit{-(*c)[2] / (scale * scale), mean, (*c)[0], (*c)[1] / scale};
}

} // namespace planner
