// SPDX-FileCopyrightText: 2026 The Dish Planner developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "runtime/number_text.h"

#include <array>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace rt::numtext {

namespace {

#if !PLANNER_NUMTEXT_STANDARD
// The C locale on this thread for as long as it lives: a full stop for the
// decimal point, whatever LC_NUMERIC the process has set.
class InCLocale {
public:
    InCLocale() : before_(uselocale(cLocale())) {}
    ~InCLocale() { uselocale(before_); }
    InCLocale(const InCLocale&) = delete;
    InCLocale& operator=(const InCLocale&) = delete;

private:
    static locale_t cLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
        return c;
    }
    locale_t before_;
};

std::string general15C(double d)
{
    std::array<char, 32> buf{};
    const InCLocale c;
    const int n = std::snprintf(buf.data(), buf.size(), "%.15g", d);
    return std::string(buf.data(), n > 0 ? std::size_t(n) : 0);
}

std::optional<double> decimalC(std::string_view text)
{
    const std::string s(text);
    const InCLocale c;
    errno = 0;
    const double d = std::strtod(s.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(d) || d == 0.0))
        return std::nullopt;
    return d; // a subnormal is ERANGE too, and counts
}
#else
std::string general15Standard(double d)
{
    std::array<char, 32> buf{};
    const auto end =
        std::to_chars(buf.data(), buf.data() + buf.size(), d, std::chars_format::general, 15).ptr;
    return std::string(buf.data(), end);
}

std::optional<double> decimalStandard(std::string_view text)
{
    double d = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), d);
    if (ec == std::errc::result_out_of_range)
        return std::nullopt;
    return d;
}
#endif

} // namespace

std::string general15(double d)
{
#if PLANNER_NUMTEXT_STANDARD
    return general15Standard(d);
#else
    return general15C(d);
#endif
}

std::optional<double> decimal(std::string_view text)
{
#if PLANNER_NUMTEXT_STANDARD
    return decimalStandard(text);
#else
    return decimalC(text);
#endif
}

} // namespace rt::numtext
