#include "reports/print/cp1252_text.h"

#include <QFile>

#include "records/cp1252.h"

namespace scorewick::print {

QString FromCp1252(std::string_view text) { return QString::fromStdString(Cp1252ToUtf8(text)); }

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QString FromFileName(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace scorewick::print
