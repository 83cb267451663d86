#include "emoticons/PersonalFileAppend.h"

#include "emoticons/personal_record.h"

#include <QFile>

namespace slv::emoticons {

bool appendPersonalRecord(const QString& path, const std::string& recordBytes) {
  const bool existed = QFile::exists(path);
  QFile f(path);
  // Unbuffered, so a failed write is known at once and nothing is left to flush later.
  if (!f.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
    return false;
  const qint64 oldSize = f.size();
  std::string tail;
  if (oldSize > 0 && f.seek(oldSize - 1))
    tail = f.read(1).toStdString();
  const std::string bytes = slv::emoticons::separatorBefore(tail) + recordBytes;
  bool ok = f.seek(oldSize);
  ok = ok && f.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                 static_cast<qint64>(bytes.size());
  ok = ok && f.flush();
  if (!ok) {
    // Take back whatever part of the record reached the file.
    f.resize(oldSize);
    f.close();
    if (!existed)
      QFile::remove(path);
    return false;
  }
  f.close();
  return f.error() == QFileDevice::NoError;
}

} // namespace slv::emoticons
