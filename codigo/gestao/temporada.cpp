#include "gestao/temporada.h"

namespace quintaro {

void encerraliga(Jogo&) {}
void avancaestadual(Jogo&) {}
void campeoesestaduais(Jogo&) {}
void montaquartadivisao(Jogo&) {}
void fimdetemporada(Jogo&) {}

} // namespace quintaro
