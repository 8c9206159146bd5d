#pragma once
// The screens port answered by the game's own dialogs.
#include <QPointer>
#include <QString>
#include <functional>

#include "dados/telas.h"

class QWidget;

namespace quintaro {

class TelaBase;
class TelaBatedores;
class TelaRodada;

class TelasQt : public Telas {
public:
    explicit TelasQt(QWidget* pai = nullptr) : pai_(pai) {}
    void definepai(QWidget* pai) { pai_ = pai; }

    void mensagem(const std::string& texto) override;
    void erro(const std::string& texto) override;
    bool confirma(const std::string& pergunta) override;
    std::string nomesalvar(const std::string& texto) override;
    bool confirmasobrescrever(const std::string& pergunta) override;
    void campeoesestaduais(Jogo& jogo) override;

    // Penalties and shoot-outs: the two penalty screens, the takers screen
    // (kept open between the two clubs of a two-human shoot-out) and the
    // shoot-out screen, which closes the takers screen when it ends.
    std::optional<DecisaoPenalti> batepenalti(Jogo& jogo, int partida, int atacante, int defensor) override;
    std::optional<DecisaoPenalti> defendepenalti(Jogo& jogo, int partida, int atacante, int defensor) override;
    std::optional<std::vector<int>> escolhebatedores(Jogo& jogo, const Disputa& disputa, int clube) override;
    void disputapenaltis(Jogo& jogo, const Disputa& disputa) override;
    // Called with each penalty or shoot-out screen as it opens (tests and captures watch them).
    void defineaoabrirpenaltis(std::function<void(TelaBase*)> f) { aoabrirpenaltis_ = std::move(f); }

    // The human match view: the in-match tactics screen and the injury substitution picker.
    void taticas(Jogo& jogo, int partida, int lado) override;
    std::optional<int> escolhesubstituto(Jogo& jogo, int jogador, int clube) override;
    // The round screen on show, where substitutions made on the tactics screen appear at once.
    void definerodada(TelaRodada* rodada);

private:
    QWidget* pai_;
    std::function<void(TelaBase*)> aoabrirpenaltis_;
    QPointer<TelaBatedores> batedores_;
    QPointer<TelaRodada> rodada_;
};

// Yes/no question with the game's "Sim" and "Não" buttons.
bool perguntasimnao(QWidget* pai, const QString& titulo, const QString& pergunta);

} // namespace quintaro
