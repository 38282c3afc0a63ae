// Texts of the Words table for the widgets: UTF-16 strings with "\n\r" as one line break,
// and the Windows-1251 bytes of names shown as text.
#pragma once

#include <QString>

#include "words/cp1251.h"
#include "words/text.h"

namespace vantorn::app {

inline QString wordText(words::Entry e, words::Language l) {
  QString s = QString::fromUtf8(words::text(e, l).data(), static_cast<qsizetype>(words::text(e, l).size()));
  s.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  return s;
}

inline QString fromCp1251(std::string_view bytes) { return QString::fromStdString(words::cp1251ToUtf8(bytes)); }
inline std::string toCp1251(const QString& s) { return words::utf8ToCp1251(s.toStdString()); }

}  // namespace vantorn::app
