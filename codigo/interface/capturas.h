#pragma once
// Capture mode: walks a seeded new game through its screens and saves a PNG
// of each, so the screens can be looked at without playing.
#include <QString>

namespace quintaro {

// Pictures go to `destino`; 0 when every screen was saved.
int capturatelas(const QString& pastajogo, const QString& destino);

} // namespace quintaro
