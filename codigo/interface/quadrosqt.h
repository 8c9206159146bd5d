#pragma once
// What the competition screens share: club names and small crests, the grids of
// tables and fixtures, and opening a screen over the one that asked for it.
#include <QColor>
#include <QIcon>
#include <QString>
#include <functional>

class QComboBox;
class QBoxLayout;
class QHBoxLayout;
class QPushButton;
class QTableWidget;
class QWidget;

namespace quintaro {

struct Jogo;
class TelaBase;

QString nomeclube(const Jogo& jogo, int clube);
// The club the screens start from: the coach in turn's, else the first human club; -1 for none.
int clubereferencia(const Jogo& jogo);
// Fills a selector with the leagues' countries (with flags), or with the states that play
// their championship, and selects the reference club's own (its state only when it plays there).
void preenchelocais(QComboBox* c, const Jogo& jogo, bool estados);
// Small crest of a club (the mini crest, else the crest), cached for the run.
QIcon iconeescudo(const Jogo& jogo, int clube);
// A read-only grid with one selectable row at a time and no row numbers.
QTableWidget* gradeleitura(QWidget* pai, const QStringList& colunas);
// The six competition buttons of the standings and the round browser (national,
// state, the two South American and the two European cups), added to `topo`, each
// enabled when the game plays that competition; a click calls `mostra` with its index.
void botoescompeticoes(QWidget* tela, QHBoxLayout* topo, const Jogo& jogo, const char* const (&nomes)[6],
                       QPushButton* (&botoes)[6], const std::function<void(int)>& mostra);
// The "Fechar" button at the foot of a screen opened over another, on the right.
void rodapefechar(TelaBase* tela, QBoxLayout* geral);
// Shows a screen above `pai`, modal, deleted when closed.
void abretela(TelaBase* tela);

} // namespace quintaro
