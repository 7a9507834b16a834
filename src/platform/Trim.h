#pragma once

#include <QString>

namespace trim {

// `text` without its leading and trailing blanks (the space character
// only). Tabs, line breaks and the non-breaking space (160) are text and
// stay, wherever they are.
QString blanks(const QString& text);

}  // namespace trim
