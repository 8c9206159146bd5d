#pragma once
// The game's one sort routine. Which of two equal records ends up first is part of the
// game (tied clubs in a table, tied draw keys), so the steps are fixed: quicksort with
// an explicit stack and a median-of-three pivot, ranges of at most 8 records finished by
// an insertion sort that keeps equal records in their order.
#include <utility>
#include <vector>

namespace quintaro {

// Sorts v[primeiro..ultimo] (inclusive) ascending by `compara(a, b)`, which returns a
// negative number when a goes before b, zero when equal, a positive number otherwise.
template <class T, class Compara>
void ordena(std::vector<T>& v, int primeiro, int ultimo, Compara compara) {
    if (primeiro < 0 || ultimo >= static_cast<int>(v.size()) || primeiro >= ultimo) return;
    auto em = [&](int i) -> T& { return v[static_cast<size_t>(i)]; };
    std::vector<std::pair<int, int>> pilha;
    int lo = primeiro, hi = ultimo;
    for (;;) {
        while (hi - lo + 1 > 8) {
            const int meio = (lo + hi) / 2;
            if (compara(em(meio), em(lo)) < 0) std::swap(em(meio), em(lo));
            if (compara(em(hi), em(lo)) < 0) std::swap(em(hi), em(lo));
            if (compara(em(hi), em(meio)) < 0) std::swap(em(hi), em(meio));
            const T pivo = em(meio);
            int i = lo, j = hi;
            while (i <= j) {
                while (compara(em(i), pivo) < 0) ++i;
                while (compara(pivo, em(j)) < 0) --j;
                if (i <= j) {
                    if (i != j) std::swap(em(i), em(j));
                    ++i;
                    --j;
                }
            }
            // Keep the larger part for later, go on with the smaller.
            if (j - lo > hi - i) {
                pilha.emplace_back(lo, j);
                lo = i;
            } else {
                pilha.emplace_back(i, hi);
                hi = j;
            }
        }
        for (int k = lo + 1; k <= hi; ++k) {
            T x = em(k);
            int j = k - 1;
            while (j >= lo && compara(em(j), x) > 0) {
                em(j + 1) = em(j);
                --j;
            }
            em(j + 1) = x;
        }
        if (pilha.empty()) return;
        lo = pilha.back().first;
        hi = pilha.back().second;
        pilha.pop_back();
    }
}

template <class T, class Compara>
void ordena(std::vector<T>& v, Compara compara) {
    ordena(v, 0, static_cast<int>(v.size()) - 1, compara);
}

} // namespace quintaro
