#pragma once
// The core's UTF-8 text as Qt text.
#include <QString>
#include <string_view>

namespace quintaro {

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

} // namespace quintaro
