#include "desktop/KeptSettings.h"

#include "core/kept_settings.h"
#include "desktop/Strings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>
#include <cstdio>

namespace {

void warn(const QString& text) {
  std::fprintf(stderr, "solvarino: %s\n", text.toLocal8Bit().constData());
}

} // namespace

QString KeptSettings::userFile() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
                   QCoreApplication::applicationName())
      .fileName();
}

KeptSettings::KeptSettings(const QString& fileName) : file_(fileName) {
  if (file_.isEmpty())
    return;
  settings_ = std::make_unique<QSettings>(file_, QSettings::IniFormat);
  // Read once, here: a file that cannot be read gives every default; one
  // with lines that are no settings still gives the values it holds.
  if (settings_->status() == QSettings::AccessError) {
    unreadable_ = true;
    warn(QStringLiteral("impossibile leggere le impostazioni in %1: uso quelle predefinite")
             .arg(file_));
  } else if (settings_->status() == QSettings::FormatError) {
    warn(QStringLiteral("le impostazioni in %1 hanno righe illeggibili: le ignoro").arg(file_));
  }
}

KeptSettings::~KeptSettings() = default;

void KeptSettings::ignore(const QString& key, const std::string& why) const {
  warn(QStringLiteral("impostazione %1 ignorata in %2: %3").arg(key, file_, slv::qs(why)));
}

std::optional<QString> KeptSettings::readText(const QString& key) {
  if (!settings_ || unreadable_)
    return std::nullopt;
  if (!settings_->contains(key))
    return std::nullopt; // never kept: the default, silently
  // A list ("a, b") or any other kind of value is none of the program's.
  const QVariant v = settings_->value(key);
  if (v.typeId() != QMetaType::QString) {
    ignore(key, "vuole un solo valore");
    return std::nullopt;
  }
  return v.toString();
}

template <typename T, typename Check>
std::optional<T> KeptSettings::readChecked(const QString& key, Check check) {
  const auto text = readText(key);
  if (!text)
    return std::nullopt;
  auto kept = check(slv::toStd(*text));
  if (!kept.value)
    ignore(key, kept.why);
  return kept.value;
}

std::optional<bool> KeptSettings::readSwitch(const QString& key) {
  return readChecked<bool>(key, [](const std::string& t) { return slv::keptSwitch(t); });
}

std::optional<double> KeptSettings::readZoom(const QString& key) {
  return readChecked<double>(key, [](const std::string& t) { return slv::keptZoom(t); });
}

std::optional<QString> KeptSettings::readPage(const QString& key, const std::string& paneHost) {
  const auto page = readChecked<std::string>(
      key, [&](const std::string& t) { return slv::keptPage(t, paneHost); });
  if (!page)
    return std::nullopt;
  return slv::qs(*page);
}

void KeptSettings::writeSwitch(const QString& key, bool on) {
  if (settings_)
    settings_->setValue(key, slv::qs(slv::keptSwitchText(on)));
}

void KeptSettings::writeZoom(const QString& key, double factor) {
  if (!settings_)
    return;
  // A zoom outside the range (none the program sets) is not kept.
  const std::string text = slv::keptZoomText(factor);
  if (slv::keptZoom(text).value)
    settings_->setValue(key, slv::qs(text));
  else
    settings_->remove(key);
}

void KeptSettings::writePage(const QString& key, const std::optional<QString>& address,
                             const std::string& paneHost) {
  if (!settings_)
    return;
  if (address && slv::keptPage(slv::toStd(*address), paneHost).value)
    settings_->setValue(key, *address);
  else
    settings_->remove(key);
}

bool KeptSettings::sync() {
  if (!settings_)
    return true;
  settings_->sync();
  // Qt keeps the first error it met: a format error from the reading stays,
  // though the file was written all the same where it could be.
  const QFileInfo written(file_);
  const QSettings::Status status = settings_->status();
  if (status == QSettings::NoError ||
      (status == QSettings::FormatError && written.isFile() && written.isWritable()))
    return true;
  if (!toldUnwritable_) {
    toldUnwritable_ = true;
    warn(QStringLiteral("impossibile salvare le impostazioni in %1: le scelte di oggi non "
                        "saranno ricordate al prossimo avvio")
             .arg(file_));
  }
  return false;
}
