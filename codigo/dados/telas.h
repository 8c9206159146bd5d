#pragma once
// The screens port: every moment where a rule needs a person, or must show
// something, is one virtual function here. The game answers with Qt screens;
// the simulator and the tests answer automatically or from a script.
// The defaults are the computer's own choices, so a headless game needs nothing else.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quintaro {

struct Jogo;
struct Disputa;

// A penalty in play settled on a penalty screen: the taker and 1 scored / 2 missed.
struct DecisaoPenalti {
    int batedor = -1;
    int resultado = 2;
};

class Telas {
public:
    virtual ~Telas() = default;

    // A message box with one of the game's fixed texts.
    virtual void mensagem(const std::string& texto) {}
    virtual void erro(const std::string& texto) {}
    // A yes/no question; the automatic answer is yes.
    virtual bool confirma(const std::string& pergunta) { return true; }

    // The save-name dialog "Salvar", showing `texto` (what was typed before).
    // Returns the typed name, or empty when the dialog is closed without one.
    // Nobody types a name for the computer: the automatic answer cancels.
    virtual std::string nomesalvar(const std::string& texto) { return {}; }
    // "Confirmação": "O arquivo já existe, sobrescreve-lo?" with "Sim"/"Não";
    // "Não" goes back to the name dialog.
    virtual bool confirmasobrescrever(const std::string& pergunta) { return true; }

    // Match decisions of a human club. No answer (nullopt) means the computer
    // decides by the same rule it uses for its own clubs.
    // Penalty for the human club `atacante` in match `partida` of the round.
    virtual std::optional<DecisaoPenalti> batepenalti(Jogo& jogo, int partida, int atacante, int defensor) {
        return std::nullopt;
    }
    // Penalty of a computer club against the human club `defensor`.
    virtual std::optional<DecisaoPenalti> defendepenalti(Jogo& jogo, int partida, int atacante, int defensor) {
        return std::nullopt;
    }
    // Replacement for the injured `jogador` of the human `clube`: a bench player, or -1 for none.
    virtual std::optional<int> escolhesubstituto(Jogo& jogo, int jogador, int clube) { return std::nullopt; }

    // The in-match tactics screen for side `lado` (1 home, 2 away) of match `partida`
    // of the round: at half time and after a red card to a human club. The person may
    // change tactics and substitute; the round clock waits until it returns.
    virtual void taticas(Jogo& jogo, int partida, int lado) {}
    // Shoot-out takers of the human `clube` ("Desempate por Penaltis - Seleção dos
    // batedores"): its on-pitch players in kicking order. No answer: the computer's order.
    virtual std::optional<std::vector<int>> escolhebatedores(Jogo& jogo, const Disputa& disputa, int clube) {
        return std::nullopt;
    }
    // The shoot-out screen "Decisão por Penaltis", given every kick once decided.
    virtual void disputapenaltis(Jogo& jogo, const Disputa& disputa) {}

    // Season decisions and notices.
    // "Falecimento do jogador": the death of `jogador` of a human club, with the game's two texts.
    virtual void falecimento(Jogo& jogo, int jogador, const std::string& texto1, const std::string& texto2) {}
    // The retirement screen of a human club's player: the name of the youth player to be
    // promoted and his position 0..4. Nobody types a name for the computer: nothing happens.
    virtual std::optional<std::pair<std::string, int>> aposentadoria(Jogo& jogo, int jogador) { return std::nullopt; }
    // "Campeões Estaduais": the state champions of the season, once the finals are over;
    // it returns when the person leaves it with "Continuar >>".
    virtual void campeoesestaduais(Jogo& jogo) {}
};

// The do-nothing screens used when nobody is watching.
Telas& telasautomaticas();

} // namespace quintaro
