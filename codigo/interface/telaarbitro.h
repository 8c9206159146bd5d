#pragma once
// The referee window: name, technique and rigour with their gauges.
#include "interface/telabase.h"

class QProgressBar;

namespace quintaro {

class RotuloHtml;

class TelaArbitro : public TelaBase {
    Q_OBJECT
public:
    // `arbitro` is an index in the referee list.
    explicit TelaArbitro(int arbitro, QWidget* pai = nullptr);
    QString textonome() const;
    int tecnica() const;
    int rigor() const;

private:
    RotuloHtml* nome_;
    QProgressBar *tecnica_, *rigor_;
};

} // namespace quintaro
