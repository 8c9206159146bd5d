#pragma once
// Shared test helpers: a private game folder per test, removed afterwards.
#include <atomic>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace quintaro::teste {

class PastaTemporaria {
public:
    PastaTemporaria() {
        static std::atomic<int> contador{0};
        caminho_ = std::filesystem::temp_directory_path() /
                   ("quintaro-teste-" + std::to_string(::getpid()) + "-" + std::to_string(contador++));
        std::filesystem::remove_all(caminho_);
        for (const char* p : {"teams/escudos", "teams/selecoes", "teams/miniescudos", "img", "sons", "sav"})
            std::filesystem::create_directories(caminho_ / p);
    }
    ~PastaTemporaria() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    PastaTemporaria(const PastaTemporaria&) = delete;
    PastaTemporaria& operator=(const PastaTemporaria&) = delete;
    const std::filesystem::path& caminho() const { return caminho_; }
    operator const std::filesystem::path&() const { return caminho_; }

private:
    std::filesystem::path caminho_;
};

} // namespace quintaro::teste
