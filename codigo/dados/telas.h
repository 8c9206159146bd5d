#pragma once
// The screens port: every moment where a rule needs a person, or must show
// something, is one virtual function here. The game answers with Qt screens;
// the simulator and the tests answer automatically or from a script.
// The defaults are the computer's own choices, so a headless game needs nothing else.
#include <string>

namespace quintaro {

class Telas {
public:
    virtual ~Telas() = default;

    // A message box with one of the game's fixed texts.
    virtual void mensagem(const std::string& texto) {}
    virtual void erro(const std::string& texto) {}
    // A yes/no question; the automatic answer is yes.
    virtual bool confirma(const std::string& pergunta) { return true; }
};

// The do-nothing screens used when nobody is watching.
Telas& telasautomaticas();

} // namespace quintaro
