#include "interface/rotulohtml.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QHash>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>

#include "interface/recursos.h"

namespace quintaro {

QColor corbgr(int32_t bgr) {
    const uint32_t v = static_cast<uint32_t>(bgr);
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QColor corpornome(const QString& nome, const QColor& padrao) {
    static const QHash<QString, QColor> nomes = {
        {"clwhite", Qt::white},          {"clblack", Qt::black},
        {"clyellow", QColor(255, 255, 0)}, {"clred", QColor(255, 0, 0)},
        {"cllime", QColor(0, 255, 0)},   {"clgreen", QColor(0, 128, 0)},
        {"clblue", QColor(0, 0, 255)},   {"clnavy", QColor(0, 0, 128)},
        {"clmaroon", QColor(128, 0, 0)}, {"clgray", QColor(128, 128, 128)},
        {"clsilver", QColor(192, 192, 192)}, {"claqua", QColor(0, 255, 255)},
        {"clfuchsia", QColor(255, 0, 255)}, {"clolive", QColor(128, 128, 0)},
        {"clpurple", QColor(128, 0, 128)}, {"clteal", QColor(0, 128, 128)},
        {"clskyblue", QColor(166, 202, 240)}, {"clcream", QColor(255, 251, 240)},
        {"clmoneygreen", QColor(192, 220, 192)}};
    const QString n = nome.trimmed().toLower();
    if (auto it = nomes.find(n); it != nomes.end()) return *it;
    if (n.startsWith('$')) {
        bool ok = false;
        const uint v = n.mid(1).toUInt(&ok, 16);
        if (ok) return corbgr(static_cast<int32_t>(v));
    }
    QColor c(n);
    return c.isValid() ? c : padrao;
}

namespace {
QString atributo(const QString& tag, const char* nome) {
    QRegularExpression re(QStringLiteral("%1\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))").arg(nome),
                          QRegularExpression::CaseInsensitiveOption);
    auto m = re.match(tag);
    if (!m.hasMatch()) return {};
    for (int g : {2, 3, 4})
        if (m.capturedStart(g) >= 0) return m.captured(g);
    return {};
}

QString desentidade(QString s) {
    s.replace("&nbsp;", " ").replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&amp;", "&");
    return s;
}
} // namespace

RotuloHtml::RotuloHtml(QWidget* pai) : RotuloHtml(QString(), pai) {}

RotuloHtml::RotuloHtml(const QString& texto, QWidget* pai) : QWidget(pai), corpadrao_(Qt::black) {
    setAttribute(Qt::WA_TranslucentBackground);
    setText(texto);
}

void RotuloHtml::setText(const QString& texto) {
    if (texto == texto_ && !linhas_.empty()) return;
    texto_ = texto;
    relayout();
}

void RotuloHtml::setCorPadrao(const QColor& c) {
    corpadrao_ = c;
    relayout();
}

void RotuloHtml::setClicavel(bool c) {
    clicavel_ = c;
    setCursor(c ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

QString RotuloHtml::textoSimples() const {
    QString r;
    for (const Linha& l : linhas_) {
        if (!r.isEmpty()) r += '\n';
        for (const Pedaco& p : l.pedacos) r += p.texto;
    }
    return r;
}

void RotuloHtml::relayout() {
    linhas_.clear();
    struct Estilo {
        QFont fonte;
        QColor cor;
    };
    std::vector<Estilo> pilha{{font(), isEnabled() ? corpadrao_ : QColor(140, 140, 140)}};
    bool negrito = false, italico = false, sublinhado = false, sombra = false, centro = false;
    int largura = quebra_ ? std::max(width(), 50) : 1 << 20;

    linhas_.emplace_back();
    auto fonteatual = [&]() {
        QFont f = pilha.back().fonte;
        if (negrito) f.setBold(true);
        if (italico) f.setItalic(true);
        return f;
    };
    int x = 0;
    auto novalinha = [&]() {
        linhas_.emplace_back();
        linhas_.back().centralizada = centro;
        x = 0;
    };
    auto poetexto = [&](const QString& t) {
        if (t.isEmpty()) return;
        const QFont f = fonteatual();
        const QFontMetrics fm(f);
        // Words wrap only when asked to; otherwise one run per piece of text.
        QStringList palavras = quebra_ ? t.split(' ') : QStringList{t};
        for (int i = 0; i < palavras.size(); ++i) {
            QString w = palavras[i] + (quebra_ && i + 1 < palavras.size() ? " " : "");
            int lw = fm.horizontalAdvance(w);
            if (quebra_ && x > 0 && x + lw > largura) novalinha();
            Pedaco p;
            p.texto = w;
            p.fonte = f;
            p.cor = pilha.back().cor;
            p.sombra = sombra;
            p.sublinhado = sublinhado;
            p.x = x;
            p.largura = lw;
            x += lw;
            linhas_.back().pedacos.push_back(std::move(p));
        }
    };

    const QString& s = texto_;
    int i = 0;
    QString acumulado;
    while (i < s.size()) {
        if (s[i] == '<') {
            int fim = s.indexOf('>', i);
            if (fim < 0) break;
            poetexto(desentidade(acumulado));
            acumulado.clear();
            const QString tag = s.mid(i + 1, fim - i - 1).trimmed();
            const QString nome = tag.section(QRegularExpression("\\s"), 0, 0).toLower();
            i = fim + 1;
            if (nome == "b") negrito = true;
            else if (nome == "/b") negrito = false;
            else if (nome == "i") italico = true;
            else if (nome == "/i") italico = false;
            else if (nome == "u") sublinhado = true;
            else if (nome == "/u") sublinhado = false;
            else if (nome == "shad") sombra = true;
            else if (nome == "/shad") sombra = false;
            else if (nome == "br" || nome == "br/") novalinha();
            else if (nome == "font") {
                Estilo e = pilha.back();
                if (QString c = atributo(tag, "color"); !c.isEmpty()) e.cor = corpornome(c, e.cor);
                if (QString t = atributo(tag, "size"); !t.isEmpty()) {
                    int pt = t.toInt();
                    if (pt > 0 && pt <= 7) pt = QList<int>{8, 10, 12, 14, 18, 24, 36}[pt - 1];
                    if (pt > 0) e.fonte.setPointSize(pt);
                }
                if (QString f = atributo(tag, "face"); !f.isEmpty()) e.fonte.setFamily(f);
                pilha.push_back(e);
            } else if (nome == "/font") {
                if (pilha.size() > 1) pilha.pop_back();
            } else if (nome == "ind") {
                x = std::max(x, atributo(tag, "x").toInt());
            } else if (nome == "img") {
                Pedaco p;
                p.imagem = Recursos::instancia().icone(atributo(tag, "src"));
                p.x = x;
                p.largura = p.imagem.isNull() ? 0 : p.imagem.width() + 2;
                x += p.largura;
                linhas_.back().pedacos.push_back(std::move(p));
            } else if (nome == "p") {
                if (x > 0) novalinha();
                centro = atributo(tag, "align").compare("center", Qt::CaseInsensitive) == 0;
                linhas_.back().centralizada = centro;
            } else if (nome == "/p") {
                centro = false;
                novalinha();
            }
            continue;
        }
        acumulado += s[i++];
    }
    poetexto(desentidade(acumulado));

    int altura = 0, maior = 0;
    for (Linha& l : linhas_) {
        int sobe = QFontMetrics(font()).ascent(), desce = QFontMetrics(font()).descent();
        for (const Pedaco& p : l.pedacos) {
            if (!p.imagem.isNull()) {
                sobe = std::max(sobe, p.imagem.height());
            } else {
                QFontMetrics fm(p.fonte);
                sobe = std::max(sobe, fm.ascent());
                desce = std::max(desce, fm.descent());
            }
            l.largura = std::max(l.largura, p.x + p.largura);
        }
        l.subida = sobe;
        l.altura = sobe + desce + 1;
        altura += l.altura;
        maior = std::max(maior, l.largura);
    }
    // A trailing empty line from a closing paragraph takes no room.
    if (linhas_.size() > 1 && linhas_.back().pedacos.empty()) {
        altura -= linhas_.back().altura;
        linhas_.pop_back();
    }
    tamanho_ = QSize(maior + sombra_ + 1, altura + sombra_);
    updateGeometry();
    update();
}

QSize RotuloHtml::sizeHint() const { return tamanho_; }

void RotuloHtml::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    int y = 0;
    const int total = tamanho_.height() - sombra_;
    if (alinhamento_ & Qt::AlignVCenter) y = std::max(0, (height() - total) / 2);
    else if (alinhamento_ & Qt::AlignBottom) y = std::max(0, height() - total);
    for (const Linha& l : linhas_) {
        int dx = 0;
        if (l.centralizada || (alinhamento_ & Qt::AlignHCenter)) dx = std::max(0, (width() - l.largura) / 2);
        else if (alinhamento_ & Qt::AlignRight) dx = std::max(0, width() - l.largura - sombra_);
        const int base = y + l.subida;
        for (const Pedaco& pe : l.pedacos) {
            if (!pe.imagem.isNull()) {
                p.drawPixmap(dx + pe.x, base - pe.imagem.height() + 2, pe.imagem);
                continue;
            }
            p.setFont(pe.fonte);
            if (pe.sombra && sombra_ > 0) {
                p.setPen(QColor(0, 0, 0, 200));
                p.drawText(dx + pe.x + sombra_, base + sombra_, pe.texto);
            }
            p.setPen(pe.cor);
            p.drawText(dx + pe.x, base, pe.texto);
            if (pe.sublinhado) p.drawLine(dx + pe.x, base + 2, dx + pe.x + pe.largura, base + 2);
        }
        y += l.altura;
    }
}

void RotuloHtml::resizeEvent(QResizeEvent*) {
    if (quebra_) relayout();
}

void RotuloHtml::mouseReleaseEvent(QMouseEvent* e) {
    if (clicavel_ && isEnabled() && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicado();
}

void RotuloHtml::enterEvent(QEnterEvent*) {
    if (isEnabled()) emit entrou();
}
void RotuloHtml::leaveEvent(QEvent*) { emit saiu(); }

void RotuloHtml::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) relayout();
    QWidget::changeEvent(e);
}

} // namespace quintaro
