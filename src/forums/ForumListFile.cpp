#include "forums/ForumListFile.h"

#include "core/datafile.h"

#include <QFile>

namespace forums {

QStringList readListFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = f.readAll();
  QStringList out;
  for (const auto& field : slv::readFields(std::string_view(bytes.constData(), bytes.size())))
    out << QString::fromStdString(field);
  return out;
}

} // namespace forums
