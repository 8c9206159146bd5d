#include "interface/recursos.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>
#include <QSoundEffect>
#include <QUrl>

namespace quintaro {

Recursos& Recursos::instancia() {
    static Recursos r;
    return r;
}

void Recursos::carrega(const QString& pastajogo) {
    pasta_ = pastajogo;
    const QDir d(pastajogo);
    fundo_ = QPixmap(d.filePath("img/f01.jpg"));
    fundoeditor_ = QPixmap(d.filePath("img/f02.bmp"));
    inicio_ = QPixmap(d.filePath("img/tinicio.jpg"));
    for (QSoundEffect* s : std::as_const(sons_)) delete s;
    sons_.clear();
    const std::pair<const char*, const char*> arquivos[] = {
        {"gol", "sons/gol1.wav"},         {"goladv", "sons/goladv.wav"},
        {"fimjogo", "sons/fimjogo.wav"},  {"penalty", "sons/penalty.wav"},
        {"contusao", "sons/contusao.wav"}, {"intervalo", "sons/intervalo.wav"},
        {"expulsao", "sons/expulsao.wav"}};
    for (auto [alias, arquivo] : arquivos) {
        const QString caminho = d.filePath(arquivo);
        if (!QFileInfo::exists(caminho)) continue;
        auto* s = new QSoundEffect();
        s->setSource(QUrl::fromLocalFile(caminho));
        sons_.insert(alias, s);
    }
}

void Recursos::tocasom(const QString& alias) {
    if (!somligado_) return;
    QSoundEffect* s = sons_.value(alias, nullptr);
    if (!s) return;
    s->stop();  // restart from the beginning even while still playing
    s->play();
}

namespace {
QPixmap desenha(const QString& nome) {
    QPixmap px(16, 16);
    px.fill(Qt::transparent);
    QPainter p(&px);
    p.setRenderHint(QPainter::Antialiasing);
    auto bola = [&](QColor fundo) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(fundo);
        p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
        p.setBrush(Qt::black);
        QPolygonF pent;
        for (int k = 0; k < 5; ++k) {
            double a = -M_PI / 2 + k * 2 * M_PI / 5;
            pent << QPointF(8 + 3 * std::cos(a), 8 + 3 * std::sin(a));
        }
        p.drawPolygon(pent);
    };
    auto cartao = [&](QColor c, double x) {
        p.setPen(QPen(Qt::black, 0.8));
        p.setBrush(c);
        p.drawRoundedRect(QRectF(x, 2, 7, 11), 1, 1);
    };
    if (nome == "i_gol") bola(Qt::white);
    else if (nome == "i_golv") bola(QColor(255, 140, 140));
    else if (nome == "i_ca") cartao(QColor(255, 220, 0), 4.5);
    else if (nome == "i_cv") cartao(QColor(220, 0, 0), 4.5);
    else if (nome == "i_cacv") {
        cartao(QColor(255, 220, 0), 2);
        cartao(QColor(220, 0, 0), 7);
    } else if (nome == "i_ct") {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setBrush(QColor(210, 0, 0));
        p.drawRect(QRectF(6.5, 3, 3, 10));
        p.drawRect(QRectF(3, 6.5, 10, 3));
    } else if (nome == "i_sub") {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 190, 0));
        p.drawPolygon(QPolygonF{QPointF(2, 6), QPointF(7, 1), QPointF(12, 6)});
        p.drawRect(QRectF(5.5, 6, 3, 4));
        p.setBrush(QColor(220, 0, 0));
        p.drawPolygon(QPolygonF{QPointF(4, 10), QPointF(9, 15), QPointF(14, 10)});
        p.drawRect(QRectF(7.5, 6, 3, 4));
    } else {
        return {};
    }
    return px;
}
} // namespace

QPixmap Recursos::icone(const QString& nome) {
    if (nome.isEmpty()) return {};
    if (auto it = icones_.find(nome); it != icones_.end()) return *it;
    QPixmap px;
    // A picture in img/ with the icon's name wins over the drawn one.
    for (const char* ext : {".png", ".bmp"}) {
        const QString caminho = QDir(pasta_).filePath("img/" + nome + ext);
        if (!pasta_.isEmpty() && QFileInfo::exists(caminho) && px.load(caminho)) break;
    }
    if (px.isNull()) px = desenha(nome);
    icones_.insert(nome, px);
    return px;
}

} // namespace quintaro
