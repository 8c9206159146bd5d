#include "sons.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "definicoes.h"
#include "utils/arquivo.h"

namespace mundo {

namespace fs = std::filesystem;

namespace {

constexpr int TAXA = 22050;
using Som = std::vector<double>;

size_t amostras(double segundos) { return static_cast<size_t>(segundos * TAXA); }

// Soft start and end so no sound clicks.
double envelope(double t, double dur, double ataque, double queda) {
    if (t < ataque) return t / ataque;
    if (t > dur - queda) return std::max(0.0, (dur - t) / queda);
    return 1.0;
}

void mistura(Som& destino, const Som& s, double inicio, double ganho = 1.0) {
    const size_t a = amostras(inicio);
    if (destino.size() < a + s.size()) destino.resize(a + s.size(), 0.0);
    for (size_t i = 0; i < s.size(); ++i) destino[a + i] += s[i] * ganho;
}

// A referee's pea whistle: a bright tone trilled by the pea, with a little breath.
Som apito(double dur, Sorteio& r) {
    Som s(amostras(dur));
    double fase = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / TAXA;
        const double f = 2950 + 180 * std::sin(2 * M_PI * 31 * t) + 60 * std::sin(2 * M_PI * 7 * t);
        fase += 2 * M_PI * f / TAXA;
        const double tom = std::sin(fase) + 0.18 * std::sin(2 * fase);
        const double sopro = (r.real() * 2 - 1) * 0.10;
        const double trinado = 0.8 + 0.2 * std::sin(2 * M_PI * 31 * t);
        s[i] = (tom * trinado + sopro) * 0.42 * envelope(t, dur, 0.012, 0.05);
    }
    return s;
}

// Crowd noise: filtered noise, its colour and loudness following `forma` over time.
template <class Forma>
Som torcida(double dur, Sorteio& r, double brilho, Forma forma) {
    Som s(amostras(dur));
    double baixo = 0, medio = 0, ondula = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / TAXA;
        const double x = r.real() * 2 - 1;
        baixo += (x - baixo) * 0.05;
        medio += (x - medio) * brilho;
        ondula += ((r.real() * 2 - 1) - ondula) * 0.0008;  // slow swell of many voices
        const double v = (medio - baixo) * 1.6 + baixo * 0.9;
        s[i] = v * forma(t) * (1.0 + 2.5 * ondula) * envelope(t, dur, 0.05, 0.25);
    }
    return s;
}

// Many voices on one vowel, sliding in pitch: the "uuh" of a near miss or an injury.
Som lamento(double dur, double de, double para, Sorteio& r) {
    Som s(amostras(dur));
    std::vector<double> fases(12, 0.0), desvio(12);
    for (double& d : desvio) d = 0.9 + r.real() * 0.2;
    for (size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / TAXA;
        const double f = de + (para - de) * (t / dur);
        double v = 0;
        for (size_t k = 0; k < fases.size(); ++k) {
            fases[k] += 2 * M_PI * f * desvio[k] / TAXA;
            v += std::sin(fases[k]) + 0.35 * std::sin(2 * fases[k]) + 0.15 * std::sin(3 * fases[k]);
        }
        s[i] = v / fases.size() * 0.5 * envelope(t, dur, 0.15, dur * 0.5);
    }
    return s;
}

void gravawav(const fs::path& p, const Som& s) {
    // Normalised to a comfortable peak, then 16-bit PCM.
    double pico = 1e-9;
    for (double x : s) pico = std::max(pico, std::fabs(x));
    const double ganho = 0.6 / pico;
    const uint32_t n = static_cast<uint32_t>(s.size());
    std::vector<uint8_t> b;
    auto u32 = [&](uint32_t v) { for (int k = 0; k < 4; ++k) b.push_back(static_cast<uint8_t>(v >> (8 * k))); };
    auto u16 = [&](uint16_t v) { b.push_back(static_cast<uint8_t>(v)); b.push_back(static_cast<uint8_t>(v >> 8)); };
    auto txt = [&](const char* t) { b.insert(b.end(), t, t + 4); };
    txt("RIFF");
    u32(36 + n * 2);
    txt("WAVE");
    txt("fmt ");
    u32(16);
    u16(1);              // PCM
    u16(1);              // mono
    u32(TAXA);
    u32(TAXA * 2);       // bytes per second
    u16(2);              // block align
    u16(16);             // bits per sample
    txt("data");
    u32(n * 2);
    for (double x : s) {
        const int v = static_cast<int>(std::lround(std::clamp(x * ganho, -1.0, 1.0) * 32767));
        u16(static_cast<uint16_t>(static_cast<int16_t>(v)));
    }
    if (!quintaro::gravaarquivo(p, b)) throw ErroDefinicao("não foi possível gravar " + p.string());
}

} // namespace

std::vector<fs::path> gerasons(const fs::path& pasta) {
    fs::create_directories(pasta);
    Sorteio r(0x50A5);
    std::vector<fs::path> feitos;
    auto grava = [&](const char* nome, const Som& s) {
        gravawav(pasta / nome, s);
        feitos.push_back(fs::path("sons") / nome);
    };

    // Goal: the crowd erupts and slowly settles.
    grava("gol1.wav", torcida(3.2, r, 0.35, [](double t) { return t < 0.35 ? t / 0.35 : 1.0 - 0.45 * (t - 0.35) / 2.85; }));

    // Goal against: a short collective groan that falls away.
    {
        Som s = lamento(1.6, 260, 170, r);
        mistura(s, torcida(1.6, r, 0.12, [](double t) { return 0.35 * (1.0 - t / 1.6); }), 0.0);
        grava("goladv.wav", s);
    }
    // Full time: two short blasts and a long one.
    {
        Som s;
        mistura(s, apito(0.28, r), 0.0);
        mistura(s, apito(0.28, r), 0.45);
        mistura(s, apito(1.0, r), 0.9);
        grava("fimjogo.wav", s);
    }
    // Penalty: one sharp blast over a gasp.
    {
        Som s;
        mistura(s, apito(0.55, r), 0.0);
        mistura(s, torcida(1.0, r, 0.3, [](double t) { return t < 0.2 ? t / 0.2 * 0.4 : 0.4; }), 0.35, 0.8);
        grava("penalty.wav", s);
    }
    // Injury: a sympathetic "ooh" from the stands.
    {
        Som s = lamento(1.1, 210, 190, r);
        mistura(s, torcida(1.1, r, 0.1, [](double) { return 0.25; }), 0.0);
        grava("contusao.wav", s);
    }
    // Half time: two blasts.
    {
        Som s;
        mistura(s, apito(0.32, r), 0.0);
        mistura(s, apito(0.7, r), 0.5);
        grava("intervalo.wav", s);
    }
    // Sending-off: a long blast, then the crowd jeers.
    {
        Som s;
        mistura(s, apito(0.75, r), 0.0);
        Som vaia = lamento(1.3, 150, 140, r);
        mistura(vaia, torcida(1.3, r, 0.15, [](double t) { return 0.5 + 0.3 * std::sin(t * 9); }), 0.0, 0.7);
        mistura(s, vaia, 0.6);
        grava("expulsao.wav", s);
    }
    return feitos;
}

} // namespace mundo
