#include "competicoes/calendario.h"

#include <algorithm>
#include <span>

namespace quintaro {

namespace {

// Days of each code, divisions of 20 clubs.
constexpr int DIAS20_0[] = {3, 6, 37, 50, 104, 110, 116, 125, 142};
constexpr int DIAS20_1[] = {36, 39, 42, 45, 48, 51, 54, 57, 60, 63, 66, 69, 72, 75, 90, 93, 96, 99, 102,
                            105, 108, 111, 114, 117, 120, 121, 123, 126, 129, 130, 132, 133, 135, 136,
                            138, 139, 141, 144};
constexpr int DIAS20_2[] = {43, 49, 55, 64, 70, 76, 94, 100, 106, 112};
constexpr int DIAS20_3[] = {9, 10, 12, 13, 15, 16, 18, 21, 24, 27, 30, 33};
constexpr int DIAS20_4[] = {19, 22, 25, 28, 34, 40, 46, 52, 58, 61, 67, 73, 92, 98};
constexpr int DIAS20_5[] = {145, 146, 147};
constexpr int DIAS20_6[] = {59, 62, 68, 74, 91, 97, 103, 109, 115, 118, 124, 127, 131, 137};

// Divisions of 10 clubs.
constexpr int DIAS10_0[] = {3, 6, 9, 31, 39, 42, 46, 50, 56, 62, 74, 92, 104, 117, 123, 129, 135, 141};
constexpr int DIAS10_1[] = {45, 48, 51, 54, 57, 60, 63, 66, 69, 72, 75, 90, 93, 96, 99, 102, 105, 108};
constexpr int DIAS10_2[] = {34, 37, 49, 55, 61, 67, 73, 91, 97, 103};
constexpr int DIAS10_3[] = {12, 13, 15, 16, 18, 19, 21, 24, 27, 30, 33, 36};
constexpr int DIAS10_4[] = {23, 26, 29, 41, 44, 53, 59, 65, 71, 77, 95, 101, 107, 110};
constexpr int DIAS10_5[] = {144, 145, 147};
constexpr int DIAS10_6[] = {22, 25, 28, 40, 43, 52, 58, 64, 70, 76, 94, 100, 106, 109};

// The national-team tournaments share these days in both formats.
constexpr int DIAS_SELECOES[] = {78, 79, 81, 82, 84, 85, 87};

std::span<const int> diasdocodigo(bool vinte, int codigo) {
    switch (codigo) {
        case 0: return vinte ? std::span<const int>(DIAS20_0) : std::span<const int>(DIAS10_0);
        case 1: return vinte ? std::span<const int>(DIAS20_1) : std::span<const int>(DIAS10_1);
        case 2: return vinte ? std::span<const int>(DIAS20_2) : std::span<const int>(DIAS10_2);
        case 3: return vinte ? std::span<const int>(DIAS20_3) : std::span<const int>(DIAS10_3);
        case 4: return vinte ? std::span<const int>(DIAS20_4) : std::span<const int>(DIAS10_4);
        case 5: return vinte ? std::span<const int>(DIAS20_5) : std::span<const int>(DIAS10_5);
        case 6: return vinte ? std::span<const int>(DIAS20_6) : std::span<const int>(DIAS10_6);
        default: return DIAS_SELECOES;
    }
}

bool amistosopendente(const Jogo& jogo, data d) {
    for (const amistoso_& a : jogo.amistosos)
        if (!a.jogado && a.data == d) return true;
    return false;
}

} // namespace

void montacalendario(Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    const int a = ano(jogo);

    // Day 1 is the first Wednesday of the year; then Wednesday, Thursday, Sunday, ...
    data d = codificadata(a, 1, 1);
    while (diadasemana(d) != 4) d += 1;
    for (int n = 1; n <= DIAS_TEMPORADA; ++n) {
        if (n > 1) d += ((n - 2) % 3 == 0) ? 1 : 3;
        jogo.calendario[n] = diajogo_{n, d, -1};
    }

    const bool vinte = formato20(jogo);
    auto marca = [&](int codigo) {
        for (int dia : diasdocodigo(vinte, codigo)) jogo.calendario[dia].competicao = codigo;
    };
    marca(0);
    marca(1);
    if (e.jogacopanacional) marca(2);
    if (e.jogaestaduais) marca(3);
    if (e.jogacontinental1 && e.temporada > 1) {
        marca(4);
        marca(5);
    }
    if (e.jogacontinental2 && e.temporada > 1) marca(6);
    if (e.jogacopamundo && a % 4 == 2) marca(7);
    if (e.jogacopaamerica && a % 4 == 3) marca(8);
    if (e.jogaeurocopa && a % 4 == 0) marca(9);

    if (e.diaatual >= 1 && e.diaatual <= DIAS_TEMPORADA) jogo.dataatual = jogo.calendario[e.diaatual].data;
}

std::vector<data> datasdacompeticao(const Jogo& jogo, int competicao) {
    std::vector<data> datas;
    for (const diajogo_& dia : jogo.calendario)
        if (dia.competicao == competicao) datas.push_back(dia.data);
    return datas;
}

void definediaatual(Jogo& jogo, int dia) {
    jogo.estado.diaatual = dia;
    if (dia >= 1 && dia <= DIAS_TEMPORADA) jogo.dataatual = jogo.calendario[dia].data;
}

int proximodia(Jogo& jogo) {
    for (int n = std::max(jogo.estado.diaatual + 1, 1); n < DIAS_TEMPORADA; ++n) {
        const diajogo_& dia = jogo.calendario[n];
        if ((dia.competicao >= 1 && dia.competicao <= 9) ||
            (dia.competicao == 0 && amistosopendente(jogo, dia.data))) {
            definediaatual(jogo, n);
            return dia.competicao;
        }
    }
    definediaatual(jogo, DIAS_TEMPORADA);
    return jogo.calendario[DIAS_TEMPORADA].competicao;
}

} // namespace quintaro
