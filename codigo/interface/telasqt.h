#pragma once
// The screens port answered by the game's own dialogs.
#include <QString>

#include "dados/telas.h"

class QWidget;

namespace quintaro {

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

private:
    QWidget* pai_;
};

// Yes/no question with the game's "Sim" and "Não" buttons.
bool perguntasimnao(QWidget* pai, const QString& titulo, const QString& pergunta);

} // namespace quintaro
