// The small flag pictures of the language list, drawn in code: one national flag for
// each language of the Words table (the United Kingdom for English).
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>

namespace vantorn::app {

// The flag of a language index 0..9 at the given size (an index out of range gives the
// English flag). The picture has no transparent pixels and a thin dark border.
QImage languageFlag(int language, QSize size = QSize(24, 16));
QIcon languageFlagIcon(int language);

}  // namespace vantorn::app
