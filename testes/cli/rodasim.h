#pragma once
// Runs quintaro-sim as a player would and keeps what it printed.
#include <cstdio>
#include <string>
#include <sys/wait.h>

namespace quintaro::teste {

struct Saida {
    int codigo;
    std::string texto;  // stdout and stderr together
};

inline Saida roda(const std::string& argumentos) {
    std::string cmd = std::string(QUINTARO_SIM) + " " + argumentos + " 2>&1";
    Saida s{-1, {}};
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return s;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) s.texto.append(buf, n);
    int st = pclose(p);
    s.codigo = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return s;
}

} // namespace quintaro::teste
