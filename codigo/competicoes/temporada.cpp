#include "competicoes/temporada.h"

#include "competicoes/calendario.h"
#include "competicoes/sorteios.h"
#include "competicoes/tabelas.h"

namespace quintaro {

void montatemporada(Jogo& jogo) {
    const estadojogo_& e = jogo.estado;
    const int ligas = static_cast<int>(jogo.ligas.size());
    montacalendario(jogo);
    for (int p = 0; p < ligas; ++p) geratabela(jogo, 1, p);
    if (e.jogaestaduais)
        for (int s = 0; s < 27; ++s)
            if (jogo.estaduais[static_cast<size_t>(s)].ativo) geratabela(jogo, 3, s);
    if (e.jogacopanacional)
        for (int p = 0; p < ligas; ++p) geratabela(jogo, 2, p);
    if (e.jogacontinental1 && e.temporada > 1) sorteiacontinentais(jogo);
    if (e.jogacopanacional)
        for (int p = 0; p < ligas; ++p) sorteiacopanacional(jogo, p);
    definediaatual(jogo, 1);
    jogo.estado.competicaoatual = proximodia(jogo);
}

} // namespace quintaro
