#pragma once
// Club files (teams/*.q10) and national-team files (teams/selecoes/*.s10), byte for byte.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

#pragma pack(push, 1)
struct timearq_ {
    uint8_t pais;
    uint8_t valido;        // squad-valid flag, computed by the writer
    uint8_t marcador;      // always 10
    uint8_t nivel;         // "Nível inicial"
    cadeia<25> nome;       // "Nome Abreviado"
    cadeia<25> nomecompleto;
    cadeia<30> estadio;
    cadeia<25> arquivo;    // file name without ".q10"
    cadeia<25> escudo;     // crest without extension; empty = none
    cadeia<25> tecnico;
    uint8_t livre165[3];
    int32_t cor;           // "Cor de fundo" 0x00BBGGRR
    int32_t cortexto;      // "Cor de texto"
    uint8_t estado;
    uint8_t livre177[3];
};

constexpr int VAGAS_CLUBE = 25;
constexpr int VAGAS_SELECAO = 28;

struct elencoarq_ {
    cadeia<35> nome[VAGAS_CLUBE];
    uint8_t estrela[VAGAS_CLUBE];
    uint8_t nacionalidade[VAGAS_CLUBE];
    uint8_t idade[VAGAS_CLUBE];
    uint8_t posicao[VAGAS_CLUBE];
    uint8_t titular[VAGAS_CLUBE];
    uint8_t habilidade1[VAGAS_CLUBE];
    uint8_t habilidade2[VAGAS_CLUBE];
    uint8_t lado[VAGAS_CLUBE];
    uint8_t reservado[VAGAS_CLUBE];
};

struct arquivoclube_ {
    int32_t formato;
    timearq_ cabecalho;
    int32_t numero2;
    elencoarq_ elenco;
};

struct selecaoarq_ {
    int32_t pais;
    int32_t continente;
    cadeia<30> simbolo;    // "Símbolo (opcional)"
    cadeia<30> tecnico;
    uint8_t livre70[2];
    int32_t nivel;
    uint8_t valido;
    uint8_t livre77[3];
    int32_t cortexto;
    int32_t cor;
    int32_t numjogadores;
    cadeia<35> nome[VAGAS_SELECAO];
    int32_t idade[VAGAS_SELECAO];
    int32_t posicao[VAGAS_SELECAO];
    int32_t titular[VAGAS_SELECAO];
    int32_t habilidade1[VAGAS_SELECAO];
    int32_t habilidade2[VAGAS_SELECAO];
    uint8_t estrela[VAGAS_SELECAO];
    uint8_t marcador;
    uint8_t lado[VAGAS_SELECAO];
    uint8_t livre1717[31];
};

struct arquivoselecao_ {
    int32_t formato;
    selecaoarq_ registro;
};
#pragma pack(pop)

static_assert(sizeof(timearq_) == 180);
QUINTARO_OFFSET(timearq_, nome, 4);
QUINTARO_OFFSET(timearq_, nomecompleto, 30);
QUINTARO_OFFSET(timearq_, estadio, 56);
QUINTARO_OFFSET(timearq_, arquivo, 87);
QUINTARO_OFFSET(timearq_, escudo, 113);
QUINTARO_OFFSET(timearq_, tecnico, 139);
QUINTARO_OFFSET(timearq_, cor, 168);
QUINTARO_OFFSET(timearq_, cortexto, 172);
QUINTARO_OFFSET(timearq_, estado, 176);
static_assert(sizeof(elencoarq_) == 1125);
QUINTARO_OFFSET(elencoarq_, estrela, 900);
QUINTARO_OFFSET(elencoarq_, nacionalidade, 925);
QUINTARO_OFFSET(elencoarq_, idade, 950);
QUINTARO_OFFSET(elencoarq_, posicao, 975);
QUINTARO_OFFSET(elencoarq_, titular, 1000);
QUINTARO_OFFSET(elencoarq_, habilidade1, 1025);
QUINTARO_OFFSET(elencoarq_, habilidade2, 1050);
QUINTARO_OFFSET(elencoarq_, lado, 1075);
QUINTARO_OFFSET(elencoarq_, reservado, 1100);
static_assert(sizeof(arquivoclube_) == 1313);
QUINTARO_OFFSET(arquivoclube_, elenco, 188);
static_assert(sizeof(selecaoarq_) == 1748);
QUINTARO_OFFSET(selecaoarq_, simbolo, 8);
QUINTARO_OFFSET(selecaoarq_, tecnico, 39);
QUINTARO_OFFSET(selecaoarq_, nivel, 72);
QUINTARO_OFFSET(selecaoarq_, valido, 76);
QUINTARO_OFFSET(selecaoarq_, cortexto, 80);
QUINTARO_OFFSET(selecaoarq_, cor, 84);
QUINTARO_OFFSET(selecaoarq_, numjogadores, 88);
QUINTARO_OFFSET(selecaoarq_, nome, 92);
QUINTARO_OFFSET(selecaoarq_, idade, 1100);
QUINTARO_OFFSET(selecaoarq_, posicao, 1212);
QUINTARO_OFFSET(selecaoarq_, titular, 1324);
QUINTARO_OFFSET(selecaoarq_, habilidade1, 1436);
QUINTARO_OFFSET(selecaoarq_, habilidade2, 1548);
QUINTARO_OFFSET(selecaoarq_, estrela, 1660);
QUINTARO_OFFSET(selecaoarq_, marcador, 1688);
QUINTARO_OFFSET(selecaoarq_, lado, 1689);
static_assert(sizeof(arquivoselecao_) == 1752);

constexpr int MARCADOR_ARQUIVO = 10;

// A free player slot holds "nome" followed by the byte F8.
bool vagalivre(const cadeia<35>& nome);
void marcavagalivre(cadeia<35>& nome);
// A new, empty club file: every slot free.
arquivoclube_ novoarquivoclube();
arquivoselecao_ novoarquivoselecao();

struct EntradaCatalogo {
    timearq_ cabecalho;   // with the file-name field holding the name found on disk
    std::string arquivo;  // file name on disk with its extension (UTF-8)
    bool jogavel() const { return cabecalho.valido != 0 && cabecalho.marcador == MARCADOR_ARQUIVO; }
};

// One entry per teams/*.q10, in name order.
std::vector<EntradaCatalogo> catalogaclubes(const std::filesystem::path& pasta);
// The club file teams/<arquivo>; all zero when it does not exist. Unread bytes of a short file are zero.
arquivoclube_ lerclube(const std::filesystem::path& pasta, const std::string& arquivo);
arquivoselecao_ lerselecao(const std::filesystem::path& caminho);
void converteclube(Jogo& jogo, int clube, const arquivoclube_& arq);
void convertejogadores(Jogo& jogo, int clube, const arquivoclube_& arq);
// Reads every teams/selecoes/*.s10 and creates the national teams; returns how many.
int carregaselecoes(Jogo& jogo);
// Strength of a national-team player at set-up.
int forcaselecao(Jogo& jogo, int nivel, bool titular, bool estrela);

// Crest picture path (UTF-8) or empty.
std::string escudo(const Jogo& jogo, int clube);
std::string miniescudo(const Jogo& jogo, int clube);

struct ResultadoGravacao {
    bool ok;
    std::string mensagem;  // the game's own text when not ok
};
// Writers of the team editor. They set the marker and the valid flag, then
// replace the file only once the new one is completely written.
ResultadoGravacao gravaclube(const std::filesystem::path& pasta, timearq_& cabecalho, const elencoarq_& elenco);
ResultadoGravacao gravaselecao(const std::filesystem::path& pasta, selecaoarq_& registro);

} // namespace quintaro
