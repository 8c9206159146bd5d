#include "dados/vocabulario.h"

#include <algorithm>
#include <array>

namespace quintaro {

namespace {
constexpr std::string_view PAISES[NUM_PAISES] = {
#include "dados/paises.inc"
};

constexpr int AMERICA_SUL[] = {11, 26, 29, 42, 46, 60, 131, 150, 151, 195, 198};
constexpr int AFRICA_[] = {1, 5, 10, 23, 28, 32, 33, 35, 36, 47, 50, 55, 57, 61, 67, 73, 74,
                           75, 81, 82, 83, 109, 113, 116, 117, 123, 126, 127, 129, 130, 133, 137, 140,
                           141, 156, 157, 161, 169, 170, 172, 175, 177, 178, 186, 187, 188, 190, 194, 200, 201};
constexpr int ASIA_[] = {0, 9, 18, 19, 30, 34, 37, 39, 41, 43, 45, 48, 49, 59, 71, 87, 89, 95, 96,
                         98, 99, 107, 108, 111, 112, 115, 121, 124, 125, 132, 136, 138, 144, 146, 149,
                         155, 173, 174, 176, 182, 183, 185, 191, 196, 199};
constexpr int NORTE_[] = {6, 7, 8, 13, 17, 20, 22, 24, 38, 51, 53, 56, 58, 68, 77, 79, 80,
                          84, 86, 90, 91, 93, 94, 106, 139, 147, 153, 158, 165, 166, 167, 168, 181, 189};
constexpr int OCEANIA_[] = {14, 69, 143, 148, 163, 184, 197};

constexpr std::array<int8_t, 256> montacontinentes() {
    std::array<int8_t, 256> t{};
    for (int p : AMERICA_SUL) t[p] = AMERICA_DO_SUL;
    for (int p : AFRICA_) t[p] = AFRICA;
    for (int p : ASIA_) t[p] = ASIA;
    for (int p : NORTE_) t[p] = AMERICA_NORTE_CENTRAL;
    for (int p : OCEANIA_) t[p] = OCEANIA;
    return t;
}
constexpr auto CONTINENTES = montacontinentes();

constexpr std::string_view POSICOES[5] = {"Goleiro", "Lateral", "Zagueiro", "Meio Campo", "Atacante"};
constexpr std::string_view HABILIDADES[14] = {
    "Colocação", "Def. penalti", "Reflexo", "Saída gol", "Armação", "Cabeceio", "Cruzamento",
    "Desarme", "Drible", "Finalização", "Marcação", "Passe", "Resistência", "Velocidade"};
constexpr std::string_view SIGLAS[14] = {"Col", "Def", "Ref", "Sai", "Arm", "Cab", "Cru",
                                         "Des", "Dri", "Fin", "Mar", "Pas", "Res", "Vel"};
constexpr std::string_view ESTILOS[25] = {
    "Normal", "n/a", "n/a", "n/a", "n/a",
    "Defensivo", "Ofensivo", "Ala", "n/a", "n/a",
    "Normal", "Líbero", "Normal", "n/a", "n/a",
    "Volante", "Ofensivo", "Ala", "n/a", "n/a",
    "Recuado", "Pelo meio", "Pela ponta", "n/a", "n/a"};
} // namespace

std::string_view nomepais(int pais) {
    if (pais == PAIS_PERSONALIZADO) return "Personalizado";
    if (pais < 0 || pais >= NUM_PAISES) return {};
    return PAISES[pais];
}

int continente(int pais) {
    if (pais < 0 || pais >= 256) return EUROPA;
    return CONTINENTES[static_cast<size_t>(pais)];
}

std::string paiscomartigo(int pais) {
    switch (pais) {
        case 3: return "da Alemanha";
        case 11: return "da Argentina";
        case 29: return "do Brasil";
        case 65: return "da Espanha";
        case 72: return "da França";
        case 85: return "da Holanda";
        case 97: return "da Inglaterra";
        case 104: return "da Itália";
        case 107: return "do Japão";
        case 131: return "do México";
        case 154: return "de Portugal";
        case 162: return "da Rússia";
        case 202: return "Personalizada";
        default: return std::string(nomepais(pais));
    }
}

std::string gentilico(int pais) {
    switch (pais) {
        case 3: return "Alemão";
        case 11: return "Argentino";
        case 26: return "Boliviano";
        case 29: return "Brasileiro";
        case 42: return "Chileno";
        case 43: return "Chinês";
        case 46: return "Colombiano";
        case 60: return "Equatoriano";
        case 62: return "Escocês";
        case 65: return "Espanhol";
        case 72: return "Francês";
        case 78: return "Grego";
        case 85: return "Holandês";
        case 97: return "Inglês";
        case 104: return "Italiano";
        case 107: return "Japonês";
        case 131: return "Mexicano";
        case 150: return "Paraguaio";
        case 151: return "Peruano";
        case 154: return "Português";
        case 162: return "Russo";
        case 179: return "Sueco";
        case 180: return "Suiço";
        case 192: return "Turco";
        case 193: return "Ucraniano";
        case 195: return "Uruguaio";
        case 198: return "Venezuelano";
        case 202: return "Personalizado";
        default: return std::string(nomepais(pais));
    }
}

std::string_view nomeposicao(int p) { return p >= 0 && p < 5 ? POSICOES[p] : std::string_view{}; }
char letraposicao(int p) { return p >= 0 && p < 5 ? POSICOES[p][0] : '?'; }
std::string_view nomelado(int l) { return l == 1 ? "Esquerdo" : "Direito"; }
std::string_view letralado(int l) { return l == 1 ? "E" : "D"; }
std::string_view nomehabilidade(int h) { return h >= 0 && h < 14 ? HABILIDADES[h] : std::string_view{}; }
std::string_view siglahabilidade(int h) { return h >= 0 && h < 14 ? SIGLAS[h] : std::string_view{}; }

std::string textohabilidades(int h1, int h2) {
    if (h1 == h2) return std::string(nomehabilidade(h1));
    return std::string(siglahabilidade(h1)) + "/" + std::string(siglahabilidade(h2));
}

std::string_view nomeestilo(int posicao, int estilo) {
    if (posicao < 0 || posicao > 4 || estilo < 0 || estilo > 4) return "n/a";
    return ESTILOS[posicao * 5 + estilo];
}

std::string nomeliga(int pais, int divisao) {
    std::string s = "Camp. " + gentilico(pais);
    switch (divisao) {
        case 0: s += " - Regional"; break;
        case 2: s += " - 2ª divisão"; break;
        case 3: s += " - 3ª divisão"; break;
        case 4: s += " - 4ª divisão"; break;
        default: break;
    }
    return s;
}

std::string nomecopanacional(int pais) { return "Copa " + paiscomartigo(pais); }

std::string nomecompeticao(int tipo, int cont) {
    switch (tipo) {
        case 0: return "Amistoso";
        case 1: return "Campeonato Nacional";
        case 2: return "Copa Nacional";
        case 3: return "Campeonato estadual";
        case 4: return cont == EUROPA ? "Liga dos Campeões" : "Libertadores";
        case 5: return "Mundia de Clubes";
        case 6: return cont == EUROPA ? "Liga Europa da UEFA" : "Sul-Americana";
        case 7: return "Copa do Mundo";
        case 8: return "Copa América";
        case 9: return "Eurocopa";
        default: return {};
    }
}

} // namespace quintaro
