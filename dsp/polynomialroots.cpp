#include "dsp/polynomialroots.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

using cx = complexExtended;
using polynomial = std::vector<extended>; // highest power first

constexpr extended kEpsilon = std::numeric_limits<extended>::epsilon();
constexpr int kMaxIterations = 500;
constexpr int kMaxRefinements = 30;
// Offset of the starting points from the real axis, so that they start off every symmetry.
constexpr extended kStartAngle = 0.7L;
// Neighbours farther than this (relative to the root's size) are never grouped with it.
constexpr extended kClusterReach = 0.5L;

// The coefficients scaled by a power of two (exactly) so that the largest has magnitude about 1.
polynomial scaled(std::span<const extended> c)
{
    extended largest = 0;
    for (extended v : c)
        largest = std::max(largest, std::fabs(v));
    int exponent = 0;
    std::frexp(largest, &exponent);
    polynomial p;
    for (extended v : c)
        p.push_back(std::ldexp(v, -exponent));
    return p;
}

// The Newton correction p(z)/p'(z), and whether |p(z)| is at the level of its rounding errors.
// Outside the unit circle it works on the reversed polynomial in 1/z, so that no power of z
// overflows: p(z) = z^n q(1/z) and p/p' = z q / (n q - q'/z).
struct newtonStep {
    cx correction;
    bool converged = false;
};

newtonStep newtonCorrection(const polynomial& p, cx z)
{
    const std::size_t n = p.size() - 1;
    const bool outside = std::abs(z) > 1;
    const cx w = outside ? extended{1} / z : z;
    const extended r = std::abs(w);
    cx f = outside ? p[n] : p[0], d = 0;
    extended bound = std::fabs(f.real());
    for (std::size_t i = 1; i <= n; ++i) {
        const extended c = outside ? p[n - i] : p[i];
        d = d * w + f;
        f = f * w + c;
        bound = bound * r + std::fabs(c);
    }
    newtonStep step;
    step.converged = std::abs(f) <= 4 * static_cast<extended>(n + 1) * kEpsilon * bound;
    step.correction = outside ? z * f / (static_cast<extended>(n) * f - w * d) : f / d;
    return step;
}

// Starting points on the circles of the Newton polygon: the upper convex hull of the points
// (i, log|a_i|), a_i the coefficient of z^i. A hull edge from i to k puts k - i points on the
// circle of radius (|a_i| / |a_k|)^(1/(k-i)), where that many roots of that size lie.
std::vector<cx> startingPoints(const polynomial& p)
{
    const std::size_t n = p.size() - 1;
    std::vector<std::size_t> hull;
    std::vector<extended> logs(n + 1);
    for (std::size_t i = 0; i <= n; ++i) {
        if (p[n - i] == 0)
            continue;
        logs[i] = std::log(std::fabs(p[n - i]));
        while (hull.size() >= 2) {
            const std::size_t j = hull[hull.size() - 2], k = hull.back();
            // Drop k when it lies on or below the line from j to i.
            if ((logs[k] - logs[j]) * static_cast<extended>(i - j) >
                (logs[i] - logs[j]) * static_cast<extended>(k - j))
                break;
            hull.pop_back();
        }
        hull.push_back(i);
    }
    std::vector<cx> z;
    for (std::size_t e = 1; e < hull.size(); ++e) {
        const std::size_t count = hull[e] - hull[e - 1];
        const extended radius = std::exp((logs[hull[e - 1]] - logs[hull[e]]) / static_cast<extended>(count));
        for (std::size_t j = 0; j < count; ++j) {
            const extended angle = 2 * kPi * static_cast<extended>(j) / static_cast<extended>(count) +
                                   2 * kPi * static_cast<extended>(e) / static_cast<extended>(n) + kStartAngle;
            z.push_back(std::polar(radius, angle));
        }
    }
    return z;
}

// The Aberth-Ehrlich iteration, each root updated in turn with the newest values of the others.
std::vector<cx> aberthRoots(const polynomial& p)
{
    std::vector<cx> z = startingPoints(p);
    std::vector<bool> done(z.size(), false);
    for (int iteration = 0; iteration < kMaxIterations; ++iteration) {
        bool all = true;
        for (std::size_t i = 0; i < z.size(); ++i) {
            if (done[i])
                continue;
            const newtonStep step = newtonCorrection(p, z[i]);
            if (step.converged) {
                done[i] = true;
                continue;
            }
            all = false;
            cx repulsion = 0;
            for (std::size_t j = 0; j < z.size(); ++j)
                if (j != i && z[i] != z[j])
                    repulsion += extended{1} / (z[i] - z[j]);
            cx w = step.correction / (extended{1} - step.correction * repulsion);
            if (!std::isfinite(w.real()) || !std::isfinite(w.imag()))
                w = step.correction;
            if (std::isfinite(w.real()) && std::isfinite(w.imag()))
                z[i] -= w;
            if (std::abs(w) <= kEpsilon * std::abs(z[i]))
                done[i] = true;
        }
        if (all)
            break;
    }
    return z;
}

// The Taylor coefficients t_0 .. t_count-1 of q (highest power first) about w, and beside each
// the same sum over the coefficients' magnitudes at |w|: how far a relative change of one in
// every coefficient could move it. Each synthetic division by (z - w) leaves the next
// coefficient in the last place.
struct taylorExpansion {
    std::vector<cx> t;
    std::vector<extended> bound;
};

taylorExpansion taylorAbout(const polynomial& q, cx w, std::size_t count)
{
    std::vector<cx> c(q.begin(), q.end());
    std::vector<extended> m;
    for (extended v : q)
        m.push_back(std::fabs(v));
    const extended r = std::abs(w);
    taylorExpansion e;
    for (std::size_t j = 0; j < count && j < c.size(); ++j) {
        const std::size_t last = c.size() - 1 - j;
        for (std::size_t i = 1; i <= last; ++i) {
            c[i] += c[i - 1] * w;
            m[i] += m[i - 1] * r;
        }
        e.t.push_back(c[last]);
        e.bound.push_back(m[last]);
    }
    return e;
}

// A root of multiplicity m near `mean`, the mean of m computed roots within `spread` of it, when
// there is one within the grouping tolerance: the mean refined by Newton's method on the
// (m-1)-th derivative (whose root there is simple), then every Taylor coefficient below the m-th
// no larger than a relative change of kRootGroupingTolerance in the coefficients makes it.
// Outside the unit circle the reversed polynomial is asked about 1/mean, which has the same
// multiplicity there.
std::optional<cx> multipleRootNear(const polynomial& p, cx mean, extended spread, std::size_t m)
{
    const bool outside = std::abs(mean) > 1;
    const polynomial q = outside ? polynomial(p.rbegin(), p.rend()) : p;
    const auto withinTolerance = [](const taylorExpansion& e, std::size_t count) {
        for (std::size_t j = 0; j < count; ++j)
            if (std::abs(e.t[j]) > kRootGroupingTolerance * e.bound[j])
                return false;
        return true;
    };
    cx w = outside ? extended{1} / mean : mean;
    // A group of separate roots already fails at the value itself.
    if (!withinTolerance(taylorAbout(q, w, 1), 1))
        return std::nullopt;
    for (int iteration = 0; iteration < kMaxRefinements; ++iteration) {
        const taylorExpansion e = taylorAbout(q, w, m + 1);
        const cx step = e.t[m - 1] / (static_cast<extended>(m) * e.t[m]);
        if (!std::isfinite(step.real()) || !std::isfinite(step.imag()))
            break;
        w -= step;
        if (std::abs(step) <= kEpsilon * std::abs(w))
            break;
    }
    const cx root = outside ? extended{1} / w : w;
    if (!(std::abs(root - mean) <= 2 * spread) || !withinTolerance(taylorAbout(q, w, m), m))
        return std::nullopt;
    return root;
}

// Each root with the largest group of its nearest neighbours that one multiple root at their
// mean explains.
std::vector<polynomialRoot> groupClusters(const polynomial& p, const std::vector<cx>& roots)
{
    std::vector<polynomialRoot> out;
    std::vector<bool> taken(roots.size(), false);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (taken[i])
            continue;
        // The root itself first, then its untaken neighbours within reach, nearest first.
        std::vector<std::size_t> near;
        const extended reach = kClusterReach * std::max(extended{1}, std::abs(roots[i]));
        for (std::size_t j = 0; j < roots.size(); ++j)
            if (j != i && !taken[j] && std::abs(roots[j] - roots[i]) <= reach)
                near.push_back(j);
        std::sort(near.begin(), near.end(), [&](std::size_t a, std::size_t b) {
            return std::abs(roots[a] - roots[i]) < std::abs(roots[b] - roots[i]);
        });
        near.insert(near.begin(), i);
        polynomialRoot best{roots[i], 1};
        cx sum = roots[i];
        for (std::size_t k = 1; k < near.size(); ++k) {
            sum += roots[near[k]];
            const std::size_t m = k + 1;
            const cx mean = sum / static_cast<extended>(m);
            extended spread = 0;
            for (std::size_t j = 0; j <= k; ++j)
                spread = std::max(spread, std::abs(roots[near[j]] - mean));
            if (const auto root = multipleRootNear(p, mean, spread, m))
                best = {*root, static_cast<int>(m)};
        }
        for (int k = 0; k < best.multiplicity; ++k)
            taken[near[static_cast<std::size_t>(k)]] = true;
        out.push_back(best);
    }
    return out;
}

// Real coefficients: a complex root's conjugate is a root of the same multiplicity. A root whose
// conjugate lies nearer another root of that multiplicity than itself gets that one as its exact
// conjugate; a root without such a partner is real, off the axis by rounding only.
void pairConjugates(std::vector<polynomialRoot>& roots)
{
    std::vector<bool> paired(roots.size(), false);
    for (std::size_t i = 0; i < roots.size(); ++i) {
        if (roots[i].value.imag() == 0)
            roots[i].value = roots[i].value.real(); // no -0 imaginary part
        if (paired[i] || roots[i].value.imag() == 0)
            continue;
        const cx mirror = std::conj(roots[i].value);
        const extended own = 2 * std::fabs(roots[i].value.imag());
        std::size_t partner = i;
        extended nearest = own;
        for (std::size_t j = 0; j < roots.size(); ++j)
            if (j != i && !paired[j] && roots[j].multiplicity == roots[i].multiplicity &&
                std::abs(roots[j].value - mirror) < nearest) {
                nearest = std::abs(roots[j].value - mirror);
                partner = j;
            }
        if (partner == i) {
            roots[i].value = roots[i].value.real();
            continue;
        }
        const cx mean = (roots[i].value + std::conj(roots[partner].value)) / extended{2};
        roots[i].value = mean;
        roots[partner].value = std::conj(mean);
        paired[i] = paired[partner] = true;
    }
}

} // namespace

std::vector<polynomialRoot> polynomialRoots(std::span<const extended> coefficients)
{
    polynomial p = scaled(coefficients);
    // Zero leading coefficients lower the degree; zero trailing ones are roots at the origin.
    const auto first = std::find_if(p.begin(), p.end(), [](extended v) { return v != 0; });
    p.erase(p.begin(), first);
    int atOrigin = 0;
    while (p.size() > 1 && p.back() == 0) {
        p.pop_back();
        ++atOrigin;
    }
    std::vector<polynomialRoot> roots;
    if (atOrigin > 0)
        roots.push_back({0, atOrigin});
    if (p.size() == 2) {
        roots.push_back({-p[1] / p[0], 1});
    } else if (p.size() > 2) {
        std::vector<polynomialRoot> found = groupClusters(p, aberthRoots(p));
        pairConjugates(found);
        roots.insert(roots.end(), found.begin(), found.end());
    }
    std::sort(roots.begin(), roots.end(), [](const polynomialRoot& a, const polynomialRoot& b) {
        return a.value.real() != b.value.real() ? a.value.real() < b.value.real()
                                                : a.value.imag() < b.value.imag();
    });
    return roots;
}

std::vector<extended> polynomialFromRoots(std::span<const complexExtended> roots)
{
    std::vector<cx> c{1};
    for (const cx& r : roots) {
        c.push_back(0);
        for (std::size_t i = c.size() - 1; i > 0; --i)
            c[i] -= r * c[i - 1];
    }
    std::vector<extended> out;
    for (const cx& v : c)
        out.push_back(v.real());
    return out;
}
