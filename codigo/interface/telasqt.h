#pragma once
// The screens port answered by the game's own dialogs.
#include <QPointer>
#include <QString>

#include "dados/telas.h"

class QWidget;

namespace quintaro {

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

    // The human match view: the in-match tactics screen and the injury substitution picker.
    void taticas(Jogo& jogo, int partida, int lado) override;
    std::optional<int> escolhesubstituto(Jogo& jogo, int jogador, int clube) override;
    // The round screen on show, where substitutions made on the tactics screen appear at once.
    void definerodada(TelaRodada* rodada);

private:
    QWidget* pai_;
    QPointer<TelaRodada> rodada_;
};

// Yes/no question with the game's "Sim" and "Não" buttons.
bool perguntasimnao(QWidget* pai, const QString& titulo, const QString& pergunta);

} // namespace quintaro
