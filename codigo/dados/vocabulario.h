#pragma once
// The fixed vocabularies of the world's fields. Every text here is UTF-8.
#include <string>
#include <string_view>

namespace quintaro {

constexpr int NUM_PAISES = 202;       // codes 0..201
constexpr int PAIS_PERSONALIZADO = 202;
constexpr int PAIS_ALEMANHA = 3, PAIS_ARGENTINA = 11, PAIS_BRASIL = 29, PAIS_ESPANHA = 65,
              PAIS_FRANCA = 72, PAIS_HOLANDA = 85, PAIS_INGLATERRA = 97, PAIS_ITALIA = 104,
              PAIS_MEXICO = 131, PAIS_PORTUGAL = 154;

enum Continente { EUROPA = 0, AMERICA_DO_SUL = 1, AFRICA = 2, ASIA = 3, AMERICA_NORTE_CENTRAL = 4, OCEANIA = 5 };
enum Posicao { GOLEIRO = 0, LATERAL = 1, ZAGUEIRO = 2, MEIO_CAMPO = 3, ATACANTE = 4 };

// Countries whose best clubs are kept for the continental cups when their league is not
// played, in the order they are picked, with how many clubs each gives.
struct PaisEstrangeiro {
    int pais;
    int cota;
};
constexpr PaisEstrangeiro PAISES_ESTRANGEIROS[53] = {
    {29, 14}, {11, 12}, {195, 12}, {150, 12}, {46, 12}, {42, 12}, {60, 12}, {26, 12}, {151, 12}, {198, 12},
    {131, 12}, {104, 10}, {65, 10}, {3, 10}, {72, 10}, {97, 10}, {154, 10}, {162, 10}, {107, 10}, {192, 10},
    {159, 10}, {21, 10}, {160, 10}, {171, 10}, {78, 10}, {9, 10}, {51, 10}, {38, 10}, {68, 10}, {14, 10},
    {57, 10}, {129, 10}, {1, 10}, {190, 10}, {43, 10}, {49, 10}, {143, 10}, {141, 10}, {62, 10}, {193, 10},
    {85, 10}, {15, 10}, {52, 10}, {31, 10}, {88, 10}, {179, 10}, {76, 10}, {142, 10}, {180, 10}, {27, 10},
    {152, 10}, {54, 10}, {157, 10}};

// Empty for a code outside the table.
std::string_view nomepais(int pais);
int continente(int pais);
std::string paiscomartigo(int pais);
std::string gentilico(int pais);

std::string_view nomeposicao(int posicao);    // "Goleiro" .. "Atacante"
char letraposicao(int posicao);                // G, L, Z, M, A
std::string_view nomelado(int lado);           // "Direito", "Esquerdo"
std::string_view letralado(int lado);          // "D", "E"
std::string_view nomehabilidade(int h);        // "Colocação" .. "Velocidade"
std::string_view siglahabilidade(int h);       // "Col" .. "Vel"
// "Arm/Pas", or the single full name when both are equal.
std::string textohabilidades(int h1, int h2);
std::string_view nomeestilo(int posicao, int estilo);  // "n/a" for an unused cell

// League name: "Camp. " + adjective, with the division's ending (0 = " - Regional").
std::string nomeliga(int pais, int divisao);
std::string nomecopanacional(int pais);        // "Copa " + country with its article
// Types 4 and 6 depend on the continent (0 plays the European cups); other types ignore it.
std::string nomecompeticao(int tipo, int continente);

} // namespace quintaro
