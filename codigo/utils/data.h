#pragma once
// Dates are day counts from 30 December 1899 held in a double (only whole days occur).
#include <cstdint>
#include <string>

namespace quintaro {

using data = double;

struct DataCivil {
    int ano;
    int mes;  // 1..12
    int dia;  // 1..31
};

data codificadata(int ano, int mes, int dia);
DataCivil decodificadata(data d);
// 1 = Sunday .. 7 = Saturday.
int diadasemana(data d);
inline data somadias(data d, int dias) { return d + dias; }
inline data somasemanas(data d, int semanas) { return d + 7.0 * semanas; }
// Calendar months; a day past the end of the target month becomes its last day (31 Jan + 1 = 28/29 Feb).
data somameses(data d, int meses);
bool bissexto(int ano);
// "dd/mm/aaaa", as the screens show dates.
std::string textodata(data d);
int diasnomes(int ano, int mes);

} // namespace quintaro
