#pragma once
// The store of what the member chose, kept from one start to the next: Qt's
// settings file (INI) in the user's configuration folder, never the data
// folder. Read and written value by value: a value that is missing keeps its
// default; one that is not what it should be (slv::keptSwitch, keptZoom,
// keptPage) is ignored with one warning on standard error. A store that
// cannot be read gives the defaults; one that cannot be written says so
// once, and the program goes on as before.
#include <QString>
#include <memory>
#include <optional>
#include <string>

class QSettings;

class KeptSettings {
public:
  // The user's own store: <configuration folder>/<organisation>/<application>.ini,
  // from the names the application carries (~/.config/Norvalis/SOLVARINO3w.ini).
  static QString userFile();

  // A store in this file; empty for none: nothing is read or written.
  explicit KeptSettings(const QString& fileName);
  ~KeptSettings();
  KeptSettings(const KeptSettings&) = delete;
  KeptSettings& operator=(const KeptSettings&) = delete;

  const QString& fileName() const { return file_; }

  // The value kept under key when it passes its check.
  std::optional<bool> readSwitch(const QString& key);
  std::optional<double> readZoom(const QString& key);
  std::optional<QString> readPage(const QString& key, const std::string& paneHost);

  void writeSwitch(const QString& key, bool on);
  void writeZoom(const QString& key, double factor);
  // A page that would not be taken back (see slv::keptPage), or none, is not
  // kept: the key goes.
  void writePage(const QString& key, const std::optional<QString>& address,
                 const std::string& paneHost);

  // Puts what was written into the file; false when it cannot (said once).
  bool sync();

private:
  std::optional<QString> readText(const QString& key);
  // The value of key when it passes check; else none, with one warning.
  template <typename T, typename Check>
  std::optional<T> readChecked(const QString& key, Check check);
  void ignore(const QString& key, const std::string& why) const;

  QString file_;
  std::unique_ptr<QSettings> settings_;
  bool unreadable_ = false;
  bool toldUnwritable_ = false;
};
