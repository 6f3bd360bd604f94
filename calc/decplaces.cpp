#include "calc/decplaces.h"

namespace calc {

rt::Value rounded;

void decplaces(const rt::Value& x, const rt::Value& n)
{
    const rt::Value p = rt::power(rt::Value(std::int16_t{10}), n);
    rt::Value t = x * p;
    t = t + rt::Value(0.5);
    t = rt::Int(t);
    rounded = t / p;
}

} // namespace calc
