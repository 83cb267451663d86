#include "forums/ForumListFile.h"

#include "core/datafile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace slv::forums {
namespace {

QString refusalReason(slv::FieldProblem p) {
  switch (p) {
  case slv::FieldProblem::DoubleQuote:
    return QStringLiteral("contiene le virgolette (\"), che il file non può contenere");
  case slv::FieldProblem::LineBreak:
    return QStringLiteral("è spezzato su più righe, che il file non può contenere");
  case slv::FieldProblem::NotCp1252:
    return QStringLiteral("contiene caratteri che il file non può contenere");
  case slv::FieldProblem::None:
    break;
  }
  return {};
}

// The bytes of the entries' lines, or the first entry the format cannot hold.
WriteOutcome encode(const QStringList& entries, std::string& bytes) {
  for (const QString& e : entries) {
    const std::string utf8 = e.toStdString();
    const auto line = slv::encodeLine(utf8);
    if (!line) {
      WriteOutcome out;
      out.kind = WriteOutcome::Refused;
      out.entry = e;
      out.reason = refusalReason(slv::checkField(utf8));
      return out;
    }
    bytes += *line;
  }
  return {};
}

WriteOutcome failed(const QString& why) {
  WriteOutcome out;
  out.kind = WriteOutcome::Failed;
  out.reason = why;
  return out;
}

} // namespace

QStringList readListFile(const QString& path) {
  QFile f(path);
  if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
    return {};
  const QByteArray bytes = f.readAll();
  QStringList out;
  for (const auto& field : slv::readFields(std::string_view(bytes.constData(), bytes.size())))
    out << QString::fromStdString(field);
  return out;
}

WriteOutcome appendEntry(const QString& path, const QString& entry) {
  std::string line;
  if (WriteOutcome refused = encode({entry}, line); !refused.ok())
    return refused;

  const bool existed = QFileInfo::exists(path);
  // A file edited by hand may lack the final line end; the new line must not
  // glue itself to the last entry.
  if (existed && QFileInfo(path).isFile()) {
    QFile in(path);
    if (in.open(QIODevice::ReadOnly) && in.size() > 0 && in.seek(in.size() - 1)) {
      char last = 0;
      if (in.getChar(&last) && last != '\n' && last != '\r')
        line.insert(0, "\r\n");
    }
  }
  // Unbuffered: a failing write must show at once, with nothing left in a
  // buffer that would try again on closing.
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
    return failed(f.errorString());
  const qint64 oldSize = f.size();
  const qint64 written = f.write(line.data(), static_cast<qint64>(line.size()));
  if (written == static_cast<qint64>(line.size())) {
    f.close();
    if (f.error() == QFileDevice::NoError)
      return {};
  }
  // Half a line would glue itself to the next entry added: cut it back off.
  const QString why = f.errorString();
  f.unsetError();
  if (f.isOpen()) {
    f.resize(oldSize);
    f.close();
  } else {
    QFile::resize(path, oldSize);
  }
  if (!existed)
    QFile::remove(path);
  return failed(why);
}

WriteOutcome rewriteEntries(const QString& path, const QStringList& entries) {
  std::string bytes;
  if (WriteOutcome refused = encode(entries, bytes); !refused.ok())
    return refused;

  // Unbuffered, so a write the disk refuses is seen by the save file itself:
  // a failure found only while flushing on commit would go unnoticed.
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return failed(f.errorString());
  if (f.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const QString why = f.errorString();
    f.cancelWriting();
    return failed(why);
  }
  if (!f.commit())
    return failed(f.errorString());
  return {};
}

} // namespace slv::forums
