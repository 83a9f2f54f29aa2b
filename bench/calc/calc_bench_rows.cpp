// SPDX-License-Identifier: MIT
// Writes N varied plusvalia-calc CSV rows (both modes, every flag, dates
// across the pickers' ranges, about one row in a hundred refused) to
// standard output. Deterministic: the same N gives the same file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {
// Civil date from a day count (days since 1970-01-01).
void civil(long days, int &y, int &m, int &d)
{
    days += 719468;
    const long era = (days >= 0 ? days : days - 146096) / 146097;
    const long doe = days - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
}

void printDate(long days, bool iso)
{
    int y = 0;
    int m = 0;
    int d = 0;
    civil(days, y, m, d);
    if (iso)
        std::printf("%04d-%02d-%02d", y, m, d);
    else
        std::printf("%02d/%02d/%04d", d, m, y);
}
} // namespace

int main(int argc, char *argv[])
{
    const long rows = argc > 1 ? std::atol(argv[1]) : 1'000'000;
    std::mt19937_64 random(20140315);
    const auto below = [&random](long n) { return static_cast<long>(random() % static_cast<std::uint64_t>(n)); };
    constexpr long firstAccrual = 14610; // 01/01/2010
    constexpr long lastAccrual = 16435;  // 31/12/2014
    constexpr long firstFiling = 16071;  // 01/01/2014
    std::printf("valor-catastral,sin-reduccion,porcentaje,mortis-causa,prorroga,nuda-propiedad,edad,fin-usufructo,"
                "adquisicion,devengo,presentacion,bonificacion,sin-ingreso,requerimiento\n");
    for (long i = 0; i < rows; ++i) {
        const long accrual = firstAccrual + below(lastAccrual - firstAccrual + 1);
        const long acquisition = accrual - below(30 * 366);
        const long filingFrom = accrual > firstFiling ? accrual : firstFiling;
        const long filing = filingFrom + below(lastAccrual - filingFrom + 1);
        const bool mortis = below(3) == 0;
        const bool bare = below(3) == 0;
        const bool temporary = bare && below(2) == 0;
        const bool iso = below(2) == 0;
        // One row in a hundred has no cadastral value and is refused.
        if (below(100) == 0)
            std::printf("0");
        else
            std::printf("\"%ld,%02ld\"", 1000 + below(5'000'000), below(100));
        std::printf(",%d,", below(4) == 0);
        if (below(2) == 0)
            std::printf("100");
        else
            std::printf("%ld.%02ld", below(100), below(100));
        std::printf(",%d,%d,%d,", mortis, mortis && below(2) == 0, bare);
        if (bare && !temporary)
            std::printf("%ld", 1 + below(110));
        std::printf(",");
        if (temporary)
            printDate(accrual + below(40 * 366), iso);
        std::printf(",");
        printDate(acquisition, iso);
        std::printf(",");
        printDate(accrual, iso);
        std::printf(",");
        printDate(filing, iso);
        std::printf(",%d,%d,%d\n", below(4) == 0, below(5) == 0, below(6) == 0);
    }
    return 0;
}
