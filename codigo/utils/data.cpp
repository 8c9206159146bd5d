#include "utils/data.h"

#include <cmath>
#include <cstdio>

namespace quintaro {

namespace {
// Days from civil date to 1970-01-01 (Howard Hinnant's algorithm).
int64_t diasdesde1970(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}
constexpr int64_t DIA_1970 = 25569;  // 1 January 1970 as a day count from 30 December 1899
} // namespace

bool bissexto(int ano) { return (ano % 4 == 0 && ano % 100 != 0) || ano % 400 == 0; }

int diasnomes(int ano, int mes) {
    static const int dias[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (mes < 1 || mes > 12) return 30;
    return mes == 2 && bissexto(ano) ? 29 : dias[mes - 1];
}

data codificadata(int ano, int mes, int dia) {
    return static_cast<data>(diasdesde1970(ano, static_cast<unsigned>(mes), static_cast<unsigned>(dia)) + DIA_1970);
}

DataCivil decodificadata(data d) {
    int64_t z = static_cast<int64_t>(std::floor(d)) - DIA_1970 + 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t y = static_cast<int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned dd = doy - (153 * mp + 2) / 5 + 1;
    const unsigned mm = mp < 10 ? mp + 3 : mp - 9;
    return {static_cast<int>(y + (mm <= 2)), static_cast<int>(mm), static_cast<int>(dd)};
}

int diadasemana(data d) {
    // Day 0 (30 December 1899) was a Saturday.
    int64_t n = static_cast<int64_t>(std::floor(d));
    int r = static_cast<int>(((n + 6) % 7 + 7) % 7);  // 0 = Sunday
    return r + 1;
}

data somameses(data d, int meses) {
    DataCivil c = decodificadata(d);
    int total = c.ano * 12 + (c.mes - 1) + meses;
    int ano = total / 12, mes = total % 12 + 1;
    int dia = c.dia;
    if (dia > diasnomes(ano, mes)) dia = diasnomes(ano, mes);
    return codificadata(ano, mes, dia) + (d - std::floor(d));
}

std::string textodata(data d) {
    const DataCivil c = decodificadata(d);
    char b[16];
    std::snprintf(b, sizeof b, "%02d/%02d/%04d", c.dia, c.mes, c.ano);
    return b;
}

} // namespace quintaro
