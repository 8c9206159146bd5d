#pragma once
// The match-day cycle: the human coaches pick their line-ups in turn, the
// round is played, the day is closed and the game moves to the next day.
//
// The screens drive it through a few plain operations and always ask
// `telaatual` what to show next:
//
//   Etapa::clube        club screen of `clube`   -> "Escalar Time":  escalartime()
//   Etapa::escalacao    line-up of `clube`       -> "Jogar >>":      jogar(tela)
//   Etapa::rodada       round screen             -> every clock tick: tiquedia()
//   Etapa::posrodada    post-round screen        -> "Continuar >>":  continuar()
//   Etapa::fimtemporada season-end screen        -> "Continuar >>":  continuartemporada()
//
// After a new game or a load, `entranojogo` chooses the first resting point.
// With no screen, `avancasemtela` takes every decision the computer's way.
#include "dados/jogo.h"
#include "partida/escalacao.h"
#include "partida/rodada.h"

namespace quintaro {

// A resting point of the cycle: what to show and for which club and coach slot.
struct ProximaTela {
    Etapa etapa = Etapa::clube;
    int clube = -1;  // `timeatual` on club and line-up screens
    int vez = 1;     // `vezatual`
};
ProximaTela telaatual(const Jogo& jogo);

// Whether the club has a match on the current day, and whether some human club has.
bool clubejoga(const Jogo& jogo, int clube);
bool humanojoga(const Jogo& jogo);

// The first resting point after a new game or a load: the club screen without the
// weekly processing when a human club plays today, otherwise the round at once.
ProximaTela entranojogo(Jogo& jogo);

// Building of the club screen: the market mood, the coach in turn, the weekly squad
// processing of his club and the club's events.
ProximaTela abretelaclube(Jogo& jogo);
// Steps 1 to 4 of the weekly squad processing of a club (the autosave is step 5).
void processamentosemanal(Jogo& jogo, int clube);
void eventosdaclube(Jogo& jogo);

// "Escalar Time": the automatic save, then the line-up screen.
ProximaTela escalartime(Jogo& jogo);
// "Jogar >>": confirms the club in turn's line-up and passes the turn. False, with
// nothing changed past the line-up check, when the line-up is refused (an empty shirt,
// or a player who cannot play today).
bool jogar(Jogo& jogo, const TelaEscalacao& tela);
// Hot-seat rotation: the next coach whose club plays, or the round once all have played.
ProximaTela proximavez(Jogo& jogo);
// Computer line-ups and the suspension tick, then the round screen opens.
void iniciarodada(Jogo& jogo);
// The club layer's part of every match: attendance, money, energy recovery.
void instalaganchos(Jogo& jogo);

// One tick of the round screen's clock; after the day's last match the day is
// closed (`fimderodada`) and the cycle rests on the post-round screen.
Tique tiquedia(Jogo& jogo);
// The rest of the day's round with no screen, up to the post-round screen.
void jogadia(Jogo& jogo);
// After the last match of the day: training, round and phase counters, and what the
// post-round screen runs while it is built (league places, the closing of the leagues).
void fimderodada(Jogo& jogo);

// "Continuar >>" of the post-round screen: next day, competition housekeeping,
// referees, values; then the next club screen, the next round or the season end.
ProximaTela continuar(Jogo& jogo);
// "Continuar >>" of the season-end screen: day 1 of the new season.
ProximaTela continuartemporada(Jogo& jogo);

// The line-up a human club gets with no screen: its stored line-up when every shirt
// is still available, otherwise the automatic 4-4-2.
TelaEscalacao escalacaosemtela(Jogo& jogo, int clube);
// Moves the cycle to its next resting point, deciding for the human coaches as the
// computer would.
ProximaTela avancasemtela(Jogo& jogo);

} // namespace quintaro
