#include "support/HusteReseni.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <random>
#include <sstream>

namespace lomvira::test {

namespace {

using Vektor = std::array<double, 3>;

// Standard deviations of the three axes of a shot vector: the covariance of independent
// errors along the shot, across it horizontally and across it vertically, rotated into
// X, Y, Z; its diagonal.
Vektor SmerodatneOdchylky(const HustaZamera& z)
{
    const double ca = std::cos(z.Az), sa = std::sin(z.Az), ci = std::cos(z.Inc), si = std::sin(z.Inc);
    const Vektor podel = {ca * ci, sa * ci, si};
    const Vektor napric = {-sa, ca, 0.0};
    const Vektor svisle = {-ca * si, -sa * si, ci};
    Vektor s{};
    for (int k = 0; k < 3; ++k)
        s[k] = std::sqrt(z.vL * z.vL * podel[k] * podel[k] + z.vA * z.vA * napric[k] * napric[k]
                         + z.vI * z.vI * svisle[k] * svisle[k]);
    return s;
}

// Solves A x = b for a symmetric positive definite A (row-major, m x m) in place.
bool Cholesky(std::vector<double>& A, std::vector<double>& b, int m)
{
    auto a = [&](int r, int c) -> double& { return A[static_cast<std::size_t>(r) * m + c]; };
    for (int k = 0; k < m; ++k) {
        double d = a(k, k);
        for (int p = 0; p < k; ++p)
            d -= a(k, p) * a(k, p);
        if (!(d > 0.0))
            return false;
        a(k, k) = std::sqrt(d);
        for (int r = k + 1; r < m; ++r) {
            double v = a(r, k);
            for (int p = 0; p < k; ++p)
                v -= a(r, p) * a(k, p);
            a(r, k) = v / a(k, k);
        }
    }
    for (int r = 0; r < m; ++r) { // L y = b
        for (int p = 0; p < r; ++p)
            b[r] -= a(r, p) * b[p];
        b[r] /= a(r, r);
    }
    for (int r = m - 1; r >= 0; --r) { // L^T x = y
        for (int p = r + 1; p < m; ++p)
            b[r] -= a(p, r) * b[p];
        b[r] /= a(r, r);
    }
    return true;
}

} // namespace

std::optional<std::vector<BodXYZ>> HusteReseni(int n, const std::vector<HustaZamera>& zamery,
                                               const std::vector<HustyPevnyBod>& pevne)
{
    // Unknowns are the free nodes; the fixed ones move to the right-hand side.
    std::vector<int> neznama(static_cast<std::size_t>(n) + 1, -1);
    std::vector<std::optional<BodXYZ>> znamy(static_cast<std::size_t>(n) + 1);
    for (const auto& p : pevne)
        znamy[p.uzel] = p.xyz;
    int m = 0;
    for (int u = 1; u <= n; ++u)
        if (!znamy[u])
            neznama[u] = m++;

    std::vector<BodXYZ> vysledek(static_cast<std::size_t>(n) + 1);
    for (int osa = 0; osa < 3; ++osa) {
        auto slozka = [osa](const BodXYZ& b) { return osa == 0 ? b.X : osa == 1 ? b.Y : b.Z; };
        std::vector<double> A(static_cast<std::size_t>(m) * m, 0.0), rhs(m, 0.0);
        for (const auto& z : zamery) {
            const double w = 1.0 / (z.L * SmerodatneOdchylky(z)[osa]);
            const Vektor smer = {std::cos(z.Az) * std::cos(z.Inc), std::sin(z.Az) * std::cos(z.Inc),
                                 std::sin(z.Inc)};
            // Residual x_b - x_a - d: coefficients +1 at b, -1 at a.
            double d = z.L * smer[osa];
            const int uzly[2] = {z.a, z.b};
            const double koef[2] = {-1.0, 1.0};
            for (int k = 0; k < 2; ++k)
                if (znamy[uzly[k]])
                    d -= koef[k] * slozka(*znamy[uzly[k]]);
            for (int r = 0; r < 2; ++r) {
                const int ir = neznama[uzly[r]];
                if (ir < 0)
                    continue;
                rhs[ir] += w * koef[r] * d;
                for (int c = 0; c < 2; ++c)
                    if (neznama[uzly[c]] >= 0)
                        A[static_cast<std::size_t>(ir) * m + neznama[uzly[c]]] += w * koef[r] * koef[c];
            }
        }
        if (!Cholesky(A, rhs, m))
            return std::nullopt;
        for (int u = 1; u <= n; ++u) {
            const double v = znamy[u] ? slozka(*znamy[u]) : rhs[neznama[u]];
            (osa == 0 ? vysledek[u].X : osa == 1 ? vysledek[u].Y : vysledek[u].Z) = v;
        }
    }
    return vysledek;
}

HustaZamera ZameraVektoru(int a, int b, double dx, double dy, double dz, double vL, double vA, double vI)
{
    return {a, b, std::sqrt(dx * dx + dy * dy + dz * dz), std::atan2(dy, dx), std::atan2(dz, std::hypot(dx, dy)),
            vL, vA, vI};
}

NahodnaSit GenerujSit(int n, int smycek, int pevnych, double sum, unsigned seed)
{
    std::mt19937 gen(seed);
    auto rovnomerne = [&gen](double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); };
    auto cele = [&gen](int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); };

    NahodnaSit sit;
    sit.n = n;
    sit.pravda.assign(static_cast<std::size_t>(n) + 1, BodXYZ{});
    std::vector<std::pair<int, int>> hrany;
    sit.pravda[1] = {rovnomerne(-500, 500), rovnomerne(-500, 500), rovnomerne(-100, 100)};
    for (int u = 2; u <= n; ++u) {
        // Mostly the previous station, sometimes a branch from a recent one.
        const int od = cele(0, 3) == 0 ? cele(std::max(1, u - 12), u - 1) : u - 1;
        const BodXYZ& p = sit.pravda[od];
        sit.pravda[u] = {p.X + rovnomerne(-15, 15), p.Y + rovnomerne(-15, 15), p.Z + rovnomerne(-5, 5)};
        hrany.push_back(cele(0, 1) ? std::pair{od, u} : std::pair{u, od});
    }
    for (int k = 0; k < smycek && n > 2; ++k) {
        const int a = cele(1, n);
        int b = cele(std::max(1, a - 20), std::min(n, a + 20));
        if (b == a)
            b = a == n ? a - 1 : a + 1;
        hrany.push_back({a, b});
    }
    for (const auto& [a, b] : hrany) {
        const BodXYZ& pa = sit.pravda[a];
        const BodXYZ& pb = sit.pravda[b];
        const double dx = pb.X - pa.X + (sum > 0 ? rovnomerne(-sum, sum) : 0.0);
        const double dy = pb.Y - pa.Y + (sum > 0 ? rovnomerne(-sum, sum) : 0.0);
        const double dz = pb.Z - pa.Z + (sum > 0 ? rovnomerne(-sum, sum) : 0.0);
        const double vL = rovnomerne(0.005, 0.05), vA = rovnomerne(0.002, 0.03), vI = rovnomerne(0.002, 0.03);
        sit.zamery.push_back(ZameraVektoru(a, b, dx, dy, dz, vL, vA, vI));
    }
    std::vector<int> uzly(static_cast<std::size_t>(n));
    for (int u = 1; u <= n; ++u)
        uzly[u - 1] = u;
    std::shuffle(uzly.begin(), uzly.end(), gen);
    for (int k = 0; k < pevnych && k < n; ++k)
        sit.pevne.push_back({uzly[k], sit.pravda[uzly[k]]});
    return sit;
}

std::optional<std::vector<BodXYZ>> ResitRidce(NormalSystem& soustava, const NahodnaSit& sit, Platforma& platforma,
                                              StavReseni* stav)
{
    soustava.ClearSystem();
    for (const auto& z : sit.zamery)
        soustava.AddShotEquations(z.a, z.b, z.L, z.Az, z.Inc, z.vL, z.vA, z.vI);
    FixedNodes pevne;
    for (const auto& p : sit.pevne)
        pevne.Add(p.uzel, p.xyz.X, p.xyz.Y, p.xyz.Z);
    const StavReseni s = soustava.SolveSystem(pevne, platforma);
    if (stav)
        *stav = s;
    if (!s.Ok())
        return std::nullopt;
    std::vector<BodXYZ> vysledek(static_cast<std::size_t>(sit.n) + 1);
    for (int u = 1; u <= sit.n; ++u) {
        const std::optional<BodXYZ> b = soustava.GetSolution(u);
        if (!b)
            return std::nullopt;
        vysledek[u] = *b;
    }
    return vysledek;
}

::testing::AssertionResult StejneSouradnice(const std::vector<BodXYZ>& ocekavane,
                                            const std::vector<BodXYZ>& skutecne, double tolerance)
{
    if (ocekavane.size() != skutecne.size())
        return ::testing::AssertionFailure() << "node counts differ: " << ocekavane.size() - 1 << " expected, "
                                             << skutecne.size() - 1 << " got";
    for (std::size_t u = 1; u < ocekavane.size(); ++u) {
        const double e[3] = {ocekavane[u].X, ocekavane[u].Y, ocekavane[u].Z};
        const double s[3] = {skutecne[u].X, skutecne[u].Y, skutecne[u].Z};
        for (int k = 0; k < 3; ++k)
            if (!(std::fabs(e[k] - s[k]) <= tolerance)) {
                std::ostringstream o;
                o.precision(17);
                o << "node " << u << " axis " << "XYZ"[k] << ": expected " << e[k] << ", got " << s[k]
                  << " (tolerance " << tolerance << ")";
                return ::testing::AssertionFailure() << o.str();
            }
    }
    return ::testing::AssertionSuccess();
}

} // namespace lomvira::test
