#pragma once
// The road of a new game through its screens: championship (or custom championship),
// club chooser, initialization, and the first game screen (the club screen). Owns the game being made.
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "gestao/inicializacao.h"

class QWidget;

namespace quintaro {

class Telas;
class TelaCampeonato;
class TelaPersonalizado;
class TelaEscolhaTime;
class TelaInicializacao;
class TelaClube;

class FluxoNovoJogo : public QObject {
    Q_OBJECT
public:
    // `telas` shows the screens' messages and answers the game's questions.
    FluxoNovoJogo(const QString& pastajogo, Telas& telas, QObject* pai = nullptr);
    ~FluxoNovoJogo() override;

    // Reproducible draws (tests); by default the game seeds from the clock.
    void definesemente(uint32_t semente) { semente_ = semente; }
    // Who plays the finished game; unset, the flow opens the club screen itself.
    void defineentrega(std::function<void(std::unique_ptr<Jogo>)> f) { entrega_ = std::move(f); }
    // Catalogues the club files and opens the championship screen.
    void comeca();

    Jogo* jogo() const { return jogo_.get(); }
    TelaCampeonato* campeonato() const;
    TelaPersonalizado* personalizado() const;
    TelaEscolhaTime* escolha() const;
    TelaInicializacao* inicializacao() const;
    // The first game screen: the club screen of the human coach in turn.
    TelaClube* clube() const;
    std::optional<PrimeiraTela> primeiratela() const { return primeira_; }

signals:
    // Back to the start screen (from "Voltar" or after leaving the game).
    void voltarinicio();

private:
    void abreescolha();
    void abreinicializacao();
    void abreclube(PrimeiraTela tela);
    void encerra();

    QString pasta_;
    Telas& telas_;
    std::optional<uint32_t> semente_;
    std::unique_ptr<Jogo> jogo_;
    std::unique_ptr<PreparacaoJogo> prep_;
    QPointer<TelaCampeonato> campeonato_;
    QPointer<TelaPersonalizado> personalizado_;
    QPointer<TelaEscolhaTime> escolha_;
    QPointer<TelaInicializacao> inicializacao_;
    QPointer<TelaClube> clube_;
    std::optional<PrimeiraTela> primeira_;
    std::function<void(std::unique_ptr<Jogo>)> entrega_;
};

} // namespace quintaro
