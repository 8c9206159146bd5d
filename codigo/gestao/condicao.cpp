#include "gestao/condicao.h"

namespace quintaro {

void recuperaenergia(Jogo&, int) {}
void treinamento(Jogo&, bool) {}
void moraldoelenco(Jogo&, int) {}
void classemoral(Jogo&, int) {}
void temporadajogadores(Jogo&) {}
void aposenta(Jogo&, int, const std::string&, int) {}
void verificaobito(Jogo&, int) {}

} // namespace quintaro
