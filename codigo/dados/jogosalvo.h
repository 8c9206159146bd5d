#pragma once
// Saved games: sav/<name>.s10 holds the format number 1, the 5352-byte state
// block and the 34 saved tables in a fixed order, each as a count and its
// record images (the four fixed tables as a fixed count word and their full
// record count). Nothing is converted on the way.
//
// Saving writes a temporary file beside the old save and renames it over it,
// so a failed save never loses the previous one. Loading reads and checks the
// whole file into a separate game first and only then takes it over, so a
// short, damaged or hostile file leaves the running game exactly as it was.
//
// The calendar is not saved. After a successful load the caller rebuilds it
// for `temporada` and the options (and with it `dataatual`), then opens the
// World Cup screen when `competicaoatual` is above 6, otherwise the club screen.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "dados/jogo.h"

namespace quintaro {

constexpr int32_t FORMATO_JOGOSALVO = 1;
constexpr int32_t MARCADOR_JOGO = 10;
constexpr const char* EXTENSAO_JOGOSALVO = ".s10";
// Room for the typed name in `nomearquivo` once ".s10" is added.
constexpr int MAX_NOME_JOGOSALVO = 50 - 4;

inline constexpr const char* MSG_ERRO_SALVAR =
    "Erro ao salvar, verifique se você tem permisão para salvar ou se não existe a pasta sav";
inline constexpr const char* MSG_ERRO_CARREGAR = "Erro ao carregar o arquivo";
inline constexpr const char* MSG_ARQUIVO_INVALIDO = "Este arquivo não é válido ou está corrompido";
inline constexpr const char* MSG_SOBRESCREVER = "O arquivo já existe, sobrescreve-lo?";
inline constexpr const char* MSG_APAGAR = "Deseja apagar mesmo o arquivo?";
inline constexpr const char* MSG_PREVIA_INVALIDA = "arquivo inválido";

// --- the file image ---------------------------------------------------------

// The complete file image of the game as it stands (no field is updated).
std::vector<uint8_t> imagemjogo(const Jogo& jogo);

enum class ResultadoCarga {
    ok,
    naoabriu,   // the file could not be opened or read
    invalido,   // wrong marker, cut short, counts that do not fit, or values that point nowhere
};

// Reads a whole file image into `destino` (block and the 34 tables only).
// On anything but `ok` `destino` is left exactly as it was.
ResultadoCarga leimagemjogo(const std::vector<uint8_t>& bytes, Jogo& destino);

// --- save and load ------------------------------------------------------------

// Where a save of this name lives: <pasta>/sav/<nome>.
std::filesystem::path caminhojogosalvo(const Jogo& jogo, const std::string& nome);

// "Salvar jogo": asks for a name through `telas` when the game has none yet
// (overwrite confirmation included), then saves to sav/ + `nomearquivo`.
// False when cancelled or when the file could not be written (the message has
// then been shown and the old save, the game and its save name are unchanged).
bool salvajogo(Jogo& jogo);

// The name dialog alone: asks until a name is taken or the dialog is closed.
// Returns the file name with ".s10", or empty when cancelled. A name that
// cannot be a file name in sav/ is refused with the save error.
std::string escolhenomesalvar(Jogo& jogo);

// Writes the game to an explicit file (the simulator's --salvar): sets
// `nometecnicoatual`, `nometimeatual` and `nomearquivo` (the file's name) first,
// and puts them back when the write fails.
bool salvajogoem(Jogo& jogo, const std::filesystem::path& caminho);

// Loads sav/ + `nome` (a file name with its extension, as the load list shows it).
// On failure shows "Erro ao carregar o arquivo" or "Este arquivo não é válido ou
// está corrompido" and leaves the game untouched. On success the whole state
// and every saved table are replaced (options included), `nomearquivo` is the
// loaded file's name, the automatic-save counter is zero and `dataatual` is 0
// until the caller rebuilds the calendar.
ResultadoCarga carregajogo(Jogo& jogo, const std::string& nome);
ResultadoCarga carregajogode(Jogo& jogo, const std::filesystem::path& caminho);

// --- the load screen's operations ----------------------------------------------

// What the load screen shows for one file.
struct Previa {
    bool lido = false;      // false: the file could not be read, the screen shows nothing new
    bool valido = false;    // false: the values are cleared and "arquivo inválido" is shown
    std::string tecnico;    // "Técnico:"
    std::string time;       // "Time:"
    int ano = 0;            // temporada + 2009
    std::string proximojogo;  // "Próximo Jogo:"
};

// Reads only the format number and the block of sav/ + `nome`.
Previa previa(const std::filesystem::path& pasta, const std::string& nome);
// The "Próximo Jogo:" text of a block.
std::string textoproximojogo(const estadojogo_& estado);

// File names (UTF-8, with extension) of sav/*.s10, in name order.
std::vector<std::string> listajogossalvos(const std::filesystem::path& pasta);
// Deletes sav/ + `nome`; false when there was no such save or it could not be removed.
bool apagajogosalvo(const std::filesystem::path& pasta, const std::string& nome);
// "Apagar ": asks "Deseja apagar mesmo o arquivo?" and deletes on yes.
bool apagarjogosalvo(const std::filesystem::path& pasta, const std::string& nome, Telas& telas);

// --- automatic save -------------------------------------------------------------

enum OpcaoSalvar { SALVAR_NUNCA = 0, SALVAR_A_CADA_3 = 1, SALVAR_A_CADA_JOGO = 2, SALVAR_INICIO_ANO = 3 };

// "Escalar Time": with 1 or 2 the game is saved before the line-up opens.
bool autosalvaraoescalar(int opsalvar);
// Opening of the club screen (not after a load or a new game): the counter
// goes up by one; with 2 every time is a save, with 1 every third (the counter
// then restarts at 0).
bool autosalvaraoabrirclube(int opsalvar, int& contasalvar);

// The same two moments applied to a game: save (asking for a name when there
// is none) when the rule says so. True when a save was made.
bool autosalvaescalar(Jogo& jogo);
bool autosalvaclube(Jogo& jogo);

} // namespace quintaro
