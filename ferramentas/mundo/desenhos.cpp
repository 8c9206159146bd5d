#include "desenhos.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <gif_lib.h>
#include <vector>

namespace mundo {

namespace fs = std::filesystem;

namespace {

constexpr int LADO = 64;  // crests are 64 x 64

QColor qcor(uint32_t rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QString qcaminho(const fs::path& p) { return QString::fromStdString(p.string()); }

void salva(const QImage& img, const fs::path& p, const char* formato, int qualidade = -1) {
    fs::create_directories(p.parent_path());
    if (!img.save(qcaminho(p), formato, qualidade)) throw ErroDefinicao("não foi possível gravar " + p.string());
}

QPainterPath forma(int f) {
    QPainterPath c;
    switch (f) {
        case 0:  // classic shield
            c.moveTo(8, 5);
            c.lineTo(56, 5);
            c.lineTo(56, 30);
            c.cubicTo(56, 46, 44, 54, 32, 60);
            c.cubicTo(20, 54, 8, 46, 8, 30);
            break;
        case 1:  // roundel
            c.addEllipse(4, 4, 56, 56);
            return c;
        case 2:  // pointed heater shield
            c.moveTo(6, 6);
            c.lineTo(58, 6);
            c.lineTo(58, 22);
            c.quadTo(58, 48, 32, 60);
            c.quadTo(6, 48, 6, 22);
            break;
        case 3:  // shield with cut corners
            c.moveTo(13, 4);
            c.lineTo(51, 4);
            c.lineTo(58, 11);
            c.lineTo(58, 36);
            c.quadTo(58, 52, 32, 60);
            c.quadTo(6, 52, 6, 36);
            c.lineTo(6, 11);
            break;
        case 4:  // upright oval
            c.addEllipse(9, 3, 46, 58);
            return c;
        default:  // crowned badge
            c.moveTo(6, 15);
            c.lineTo(17, 6);
            c.lineTo(24, 12);
            c.lineTo(32, 3);
            c.lineTo(40, 12);
            c.lineTo(47, 6);
            c.lineTo(58, 15);
            c.lineTo(58, 38);
            c.quadTo(58, 54, 32, 61);
            c.quadTo(6, 54, 6, 38);
            break;
    }
    c.closeSubpath();
    return c;
}

void padrao(QPainter& p, int k, const QColor& c2) {
    p.setPen(Qt::NoPen);
    p.setBrush(c2);
    switch (k) {
        case 1:  // vertical stripes
            for (int x = 8; x < LADO; x += 16) p.drawRect(x, 0, 8, LADO);
            break;
        case 2:  // band across
            p.drawRect(0, 25, LADO, 13);
            break;
        case 3: {  // diagonal sash
            QPolygonF s;
            s << QPointF(0, 10) << QPointF(10, 0) << QPointF(LADO, 54) << QPointF(54, LADO);
            p.drawPolygon(s);
            break;
        }
        case 4:  // halves
            p.drawRect(32, 0, 32, LADO);
            break;
        case 5:  // quarters
            p.drawRect(32, 0, 32, 32);
            p.drawRect(0, 32, 32, 32);
            break;
        case 6: {  // chevron
            QPolygonF s;
            s << QPointF(0, 24) << QPointF(32, 44) << QPointF(LADO, 24) << QPointF(LADO, 36) << QPointF(32, 56)
              << QPointF(0, 36);
            p.drawPolygon(s);
            break;
        }
        case 7:  // hoops
            for (int y = 6; y < LADO; y += 14) p.drawRect(0, y, LADO, 7);
            break;
        default:  // plain
            break;
    }
}

QPainterPath estrela(QPointF centro, double raio) {
    QPainterPath e;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? raio * 0.42 : raio;
        const double a = -M_PI / 2 + i * M_PI / 5;
        QPointF q(centro.x() + r * std::cos(a), centro.y() + r * std::sin(a));
        if (i == 0) e.moveTo(q);
        else e.lineTo(q);
    }
    e.closeSubpath();
    return e;
}

QColor contraste(const QColor& c) { return c.lightness() > 140 ? QColor(20, 20, 20) : QColor(250, 250, 250); }

// Letters with a thin outline in the contrasting colour, so they read over any pattern.
void letras(QPainter& p, const QString& texto, const QColor& cor, double cy, double tamanho) {
    QFont f("DejaVu Sans", 10, QFont::Bold);
    f.setPixelSize(static_cast<int>(tamanho));
    QPainterPath t;
    t.addText(0, 0, f, texto);
    const QRectF r = t.boundingRect();
    const double larg = std::min(r.width(), 44.0);
    const double esc = larg / r.width();
    QTransform m;
    m.translate(32 - larg / 2 - r.left() * esc, cy - (r.top() + r.height() / 2));
    m.scale(esc, 1.0);
    t = m.map(t);
    p.setPen(QPen(contraste(cor), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPath(t);
}

QImage escudoimagem(const Brasao& b) {
    QImage img(LADO, LADO, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPainterPath c = forma(b.forma);
    const QColor c1 = qcor(b.cor1), c2 = qcor(b.cor2), c3 = qcor(b.cor3);
    p.setClipPath(c);
    p.fillRect(img.rect(), c1);
    if (b.forma == 1) {
        // A roundel: ring in the second colour, the pattern inside.
        p.setPen(Qt::NoPen);
        p.setBrush(c2);
        p.drawEllipse(4, 4, 56, 56);
        QPainterPath dentro;
        dentro.addEllipse(11, 11, 42, 42);
        p.setClipPath(dentro);
        p.fillRect(img.rect(), c1);
    }
    padrao(p, b.padrao, c2);
    // A soft light from the top left gives the crest some depth.
    QLinearGradient brilho(0, 0, LADO, LADO);
    brilho.setColorAt(0, QColor(255, 255, 255, 60));
    brilho.setColorAt(0.5, QColor(255, 255, 255, 0));
    brilho.setColorAt(1, QColor(0, 0, 0, 50));
    p.fillRect(img.rect(), brilho);
    p.setClipping(false);
    p.setPen(QPen(c1.darker(230), 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(c);

    const QString ini = QString::fromStdString(b.iniciais);
    const double tam = ini.size() <= 2 ? 21 : ini.size() == 3 ? 17 : 13;
    double cy = b.forma == 1 ? 33 : 31;
    if (b.estrela) {
        const QPainterPath e = estrela(QPointF(32, b.forma == 5 ? 19 : 14), 5.5);
        p.setPen(QPen(contraste(c3), 1.2));
        p.setBrush(c3);
        p.drawPath(e);
        cy += 5;
    }
    if (!ini.isEmpty()) letras(p, ini, c3, cy, tam);
    p.end();
    return img;
}

// Periodic value noise: a lattice of random values that wraps, so the picture tiles.
struct Ruido {
    int n;
    std::vector<double> v;
    Ruido(int lado, uint64_t semente) : n(lado), v(static_cast<size_t>(lado * lado)) {
        Sorteio s(semente);
        for (double& x : v) x = s.real() * 2 - 1;
    }
    double em(double x, double y) const {
        auto suave = [](double t) { return t * t * (3 - 2 * t); };
        int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
        double fx = suave(x - x0), fy = suave(y - y0);
        auto at = [&](int i, int j) {
            i = ((i % n) + n) % n;
            j = ((j % n) + n) % n;
            return v[static_cast<size_t>(j * n + i)];
        };
        double a = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
        double b = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
        return a + (b - a) * fy;
    }
};

QImage textura(int lado, QColor base, double amplitude, uint64_t semente) {
    QImage img(lado, lado, QImage::Format_RGB32);
    Ruido grosso(8, semente), fino(32, semente + 1);
    for (int y = 0; y < lado; ++y) {
        QRgb* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < lado; ++x) {
            const double u = static_cast<double>(x) / lado, w = static_cast<double>(y) / lado;
            // Faint diagonal weave plus two octaves of noise; every term has the picture's period.
            double t = 0.35 * std::sin(2 * M_PI * 8 * (u + w)) * std::sin(2 * M_PI * 8 * (u - w));
            t += 0.8 * grosso.em(u * 8, w * 8) + 0.45 * fino.em(u * 32, w * 32);
            const int d = static_cast<int>(std::lround(t * amplitude));
            linha[x] = qRgb(std::clamp(base.red() + d, 0, 255), std::clamp(base.green() + d, 0, 255),
                            std::clamp(base.blue() + d, 0, 255));
        }
    }
    return img;
}

} // namespace

void desenhaescudo(const Brasao& b, const fs::path& png, const fs::path& mini) {
    salva(escudoimagem(b), png, "PNG");
    // At 18 pixels letters only blur: the mini crest keeps the shape and the colours.
    Brasao semletras = b;
    semletras.iniciais.clear();
    const QImage img = escudoimagem(semletras);
    QImage m(18, 18, QImage::Format_RGB32);
    m.fill(Qt::white);
    QPainter p(&m);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(0, 0, 18, 18), img);
    p.end();
    salva(m, mini, "BMP");
}

void desenhabandeira(const Bandeira& b, const fs::path& png) {
    const int L = 60, A = 40;
    QImage img(L, A, QImage::Format_RGB32);
    std::vector<QColor> c;
    for (uint32_t x : b.cores) c.push_back(qcor(x));
    img.fill(c[0]);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const int n = static_cast<int>(c.size());
    const std::string& d = b.desenho;
    if (d == "h") {
        for (int i = 0; i < n; ++i) p.fillRect(QRectF(0, A * i / double(n), L, A / double(n) + 1), c[static_cast<size_t>(i)]);
    } else if (d == "v") {
        for (int i = 0; i < n; ++i) p.fillRect(QRectF(L * i / double(n), 0, L / double(n) + 1, A), c[static_cast<size_t>(i)]);
    } else if (d == "cruz") {
        p.fillRect(QRectF(16, 0, 10, A), c[1]);
        p.fillRect(QRectF(0, 15, L, 10), c[1]);
        if (n > 2) {
            p.fillRect(QRectF(19, 0, 4, A), c[2]);
            p.fillRect(QRectF(0, 18, L, 4), c[2]);
        }
    } else if (d == "cruzcentro") {
        p.fillRect(QRectF(L / 2.0 - 5, 0, 10, A), c[1]);
        p.fillRect(QRectF(0, A / 2.0 - 5, L, 10), c[1]);
    } else if (d == "disco") {
        if (n > 2) {
            QPolygonF l;
            l << QPointF(L / 2.0, 4) << QPointF(L - 5, A / 2.0) << QPointF(L / 2.0, A - 4) << QPointF(5, A / 2.0);
            p.setBrush(c[1]);
            p.drawPolygon(l);
            p.setBrush(c[2]);
            p.drawEllipse(QPointF(L / 2.0, A / 2.0), 9, 9);
        } else {
            p.setBrush(c[1]);
            p.drawEllipse(QPointF(L / 2.0, A / 2.0), 11, 11);
        }
    } else if (d == "diagonal") {
        QPolygonF t;
        t << QPointF(L, 0) << QPointF(L, A) << QPointF(0, A);
        p.setBrush(c[1]);
        p.drawPolygon(t);
        if (n > 2) {
            QPolygonF f;
            f << QPointF(0, A - 6) << QPointF(L - 9, 0) << QPointF(L, 0) << QPointF(L, 6) << QPointF(9, A) << QPointF(0, A);
            p.setBrush(c[2]);
            p.drawPolygon(f);
        }
    } else if (d == "faixa") {
        p.fillRect(QRectF(0, A / 3.0, L, A / 3.0), c[1]);
        if (n > 2) p.fillRect(QRectF(0, A / 3.0 + 3, L, A / 3.0 - 6), c[2]);
    } else if (d == "triangulo") {
        const int bandas = std::max(1, n - 1);
        for (int i = 0; i < bandas; ++i)
            p.fillRect(QRectF(0, A * i / double(bandas), L, A / double(bandas) + 1), c[static_cast<size_t>(i + 1 < n ? i + 1 : 0)]);
        QPolygonF t;
        t << QPointF(0, 0) << QPointF(24, A / 2.0) << QPointF(0, A);
        p.setBrush(c[0]);
        p.drawPolygon(t);
    } else if (d == "estrela") {
        if (n > 2) p.fillRect(QRectF(0, A / 2.0, L, A / 2.0), c[2]);
        p.setBrush(c[1]);
        p.drawPath(estrela(QPointF(L / 2.0, A / 2.0), 11));
    } else {
        throw ErroDefinicao("desenho de bandeira desconhecido: " + d);
    }
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.drawRect(0, 0, L - 1, A - 1);
    p.end();
    salva(img, png, "PNG");
}

void desenhanullescudo(const fs::path& gif) {
    Brasao b{0xB8B8B8, 0xD8D8D8, 0x707070, "?", 0, 0, false};
    const QImage rgba = escudoimagem(b).convertToFormat(QImage::Format_ARGB32);
    // A 64-colour palette: the transparent entry first, then the greys the picture uses.
    std::vector<QRgb> paleta{qRgba(0, 0, 0, 0)};
    std::vector<uint8_t> indices(static_cast<size_t>(LADO * LADO));
    for (int y = 0; y < LADO; ++y)
        for (int x = 0; x < LADO; ++x) {
            const QRgb px = rgba.pixel(x, y);
            size_t k = 0;
            if (qAlpha(px) >= 128) {
                const QRgb op = qRgb(qRed(px) & 0xFC, qGreen(px) & 0xFC, qBlue(px) & 0xFC);
                size_t melhor = 1;
                int dist = 1 << 30;
                for (size_t i = 1; i < paleta.size(); ++i) {
                    int dr = qRed(paleta[i]) - qRed(op), dg = qGreen(paleta[i]) - qGreen(op), db = qBlue(paleta[i]) - qBlue(op);
                    int dd = dr * dr + dg * dg + db * db;
                    if (dd < dist) { dist = dd; melhor = i; }
                }
                if (dist > 48 && paleta.size() < 256) {
                    paleta.push_back(op);
                    melhor = paleta.size() - 1;
                }
                k = melhor;
            }
            indices[static_cast<size_t>(y * LADO + x)] = static_cast<uint8_t>(k);
        }
    fs::create_directories(gif.parent_path());
    std::vector<GifColorType> cores(256);
    for (size_t i = 0; i < cores.size(); ++i) {
        const QRgb c = i < paleta.size() ? paleta[i] : qRgb(0, 0, 0);
        cores[i] = {static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)), static_cast<GifByteType>(qBlue(c))};
    }
    int erro = 0;
    ColorMapObject* mapa = GifMakeMapObject(256, cores.data());
    GifFileType* f = EGifOpenFileName(gif.c_str(), false, &erro);
    bool ok = f && mapa;
    if (ok) {
        EGifSetGifVersion(f, true);
        ok = EGifPutScreenDesc(f, LADO, LADO, 8, 0, mapa) == GIF_OK;
        GifByteType controle[4] = {0x01, 0, 0, 0};  // transparent colour: index 0
        ok = ok && EGifPutExtension(f, GRAPHICS_EXT_FUNC_CODE, 4, controle) == GIF_OK;
        ok = ok && EGifPutImageDesc(f, 0, 0, LADO, LADO, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < LADO; ++y) ok = EGifPutLine(f, &indices[static_cast<size_t>(y * LADO)], LADO) == GIF_OK;
    }
    if (f && EGifCloseFile(f, &erro) != GIF_OK) ok = false;
    if (mapa) GifFreeMapObject(mapa);
    if (!ok) throw ErroDefinicao("não foi possível gravar " + gif.string());
}

void desenhafundo(const fs::path& jpg) {
    salva(textura(256, QColor(22, 44, 86), 9.0, 0xF01), jpg, "JPEG", 92);
}

void desenhafundoeditor(const fs::path& bmp) {
    salva(textura(128, QColor(196, 204, 214), 7.0, 0xF02), bmp, "BMP");
}

void desenhainicio(const fs::path& jpg) {
    const int L = 640, A = 400;
    QImage img(L, A, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Night sky over a lit stadium.
    QLinearGradient ceu(0, 0, 0, 190);
    ceu.setColorAt(0, QColor(6, 12, 34));
    ceu.setColorAt(1, QColor(28, 52, 104));
    p.fillRect(0, 0, L, 190, ceu);
    // Stands: tiers of darker bands with scattered crowd dots.
    Sorteio s(0x71C10);
    for (int t = 0; t < 4; ++t) {
        const int y = 120 + t * 20;
        p.fillRect(0, y, L, 20, QColor(40 + t * 8, 44 + t * 8, 64 + t * 6));
        for (int k = 0; k < 260; ++k) {
            const QColor cor = QColor::fromHsv(s.ate(360), 120 + s.ate(100), 150 + s.ate(100));
            p.fillRect(s.ate(L), y + 3 + s.ate(14), 2, 2, cor);
        }
    }
    // Floodlights.
    for (int x : {70, 570}) {
        p.fillRect(x - 2, 40, 4, 80, QColor(70, 76, 90));
        p.fillRect(x - 18, 30, 36, 12, QColor(230, 236, 255));
        QRadialGradient luz(x, 36, 110);
        luz.setColorAt(0, QColor(255, 255, 235, 130));
        luz.setColorAt(1, QColor(255, 255, 235, 0));
        p.fillRect(0, 0, L, A, luz);
    }
    // The pitch in perspective, mowed in stripes.
    for (int k = 0; k < 10; ++k) {
        QPolygonF faixa;
        const double y0 = 200 + k * 20, y1 = y0 + 20;
        auto xl = [](double y) { return 160 - (y - 200) * 0.8; };
        auto xr = [](double y) { return 480 + (y - 200) * 0.8; };
        faixa << QPointF(xl(y0), y0) << QPointF(xr(y0), y0) << QPointF(xr(y1), y1) << QPointF(xl(y1), y1);
        p.setPen(Qt::NoPen);
        p.setBrush(k % 2 ? QColor(34, 120, 52) : QColor(40, 136, 60));
        p.drawPolygon(faixa);
    }
    p.fillRect(0, 200, 160, 200, QColor(20, 70, 32));
    p.fillRect(480, 200, 160, 200, QColor(20, 70, 32));
    p.setPen(QPen(QColor(235, 245, 235, 200), 2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(160, 200), QPointF(480, 200));
    p.drawLine(QPointF(320, 200), QPointF(320, 400));
    p.drawEllipse(QPointF(320, 300), 70, 34);
    // Title.
    QFont titulo("DejaVu Serif", 10, QFont::Bold);
    titulo.setPixelSize(54);
    QPainterPath t;
    t.addText(0, 0, titulo, "Quintaro 2010");
    const QRectF r = t.boundingRect();
    t.translate(L / 2.0 - r.center().x(), 82 - r.center().y());
    p.setPen(QPen(QColor(10, 20, 60), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(t);
    QLinearGradient ouro(0, 55, 0, 110);
    ouro.setColorAt(0, QColor(255, 240, 160));
    ouro.setColorAt(1, QColor(230, 170, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(ouro);
    p.drawPath(t);
    // The menu panel the start screen writes its entries on, and the exit corner.
    p.setPen(QPen(QColor(200, 215, 255, 160), 1));
    p.setBrush(QColor(10, 30, 90, 190));
    p.drawRoundedRect(QRectF(40, 145, 200, 124), 8, 8);
    p.drawRoundedRect(QRectF(486, 344, 65, 22), 5, 5);
    QFont sair("DejaVu Sans", 10, QFont::Bold);
    sair.setPixelSize(12);
    p.setFont(sair);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(486, 344, 65, 22), Qt::AlignCenter, "Sair");
    p.end();
    salva(img, jpg, "JPEG", 90);
}

} // namespace mundo
