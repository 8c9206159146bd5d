#pragma once
// The start screen's entries: a new game through its flow, a saved game through
// the load screen; either game goes to the session, and leaving it comes back here.
#include <QString>

namespace quintaro {

class FluxoNovoJogo;
class SessaoJogo;
class TelaInicio;
class Telas;

void ligainicio(TelaInicio& inicio, FluxoNovoJogo& novojogo, SessaoJogo& sessao, Telas& telas, const QString& pastajogo);

} // namespace quintaro
