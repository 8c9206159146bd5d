#include "dados/jogo.h"

namespace quintaro {

Telas& telasautomaticas() {
    static Telas automaticas;
    return automaticas;
}

Jogo::Jogo() : Jogo(std::filesystem::path{}) {}

Jogo::Jogo(std::filesystem::path p)
    : estado(registrozerado<estadojogo_>()), pasta(std::move(p)), telas(&telasautomaticas()) {
    // Player 0 is a placeholder that belongs to no club and is never shown.
    jogador_ zero = registrozerado<jogador_>();
    zero.time = -1;
    jogadores.push_back(zero);
    for (int& t : estado.tecnicoshumanos) t = -1;
    for (int& t : estado.timeshumanos) t = -1;
}

} // namespace quintaro
