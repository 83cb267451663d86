#pragma once
// Files that pages offer for saving. Nothing is saved before the user has
// chosen where, and the user is told when the file is complete or has failed.
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <atomic>
#include <memory>

class Platform;
class QLockFile;
class QWebEngineDownloadRequest;

// One file a page offers: the engine's download in the program, a stand-in
// in the tests.
class Download : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  virtual QString suggestedFileName() const = 0;
  // The pane whose page offered it; none when unknown.
  virtual const QObject* pane() const { return nullptr; }
  // Keeps the file coming while the member chooses where it goes; false
  // when there is nowhere to keep it.
  virtual bool hold() { return true; }
  // Saves the file at path.
  virtual void saveTo(const QString& path) = 0;
  // Stops it and removes what came of it; finished does not come after.
  virtual void cancel() = 0;
  // Where the file was really written (the engine may adjust the name).
  virtual QString savedPath() const = 0;
  // Where the whole file was kept when it could not go where the member
  // chose; empty otherwise.
  virtual QString keptPath() const { return {}; }

signals:
  // Once, when the saving ends.
  void finished(bool ok);
};

class DownloadHandler : public QObject {
  Q_OBJECT
public:
  explicit DownloadHandler(Platform& platform, QObject* parent = nullptr);
  ~DownloadHandler() override;

  // Asks where to save, then starts or cancels; reports the outcome.
  void handle(Download& download);

  // Downloads of one pane that may wait for its save choice; more are refused.
  static constexpr qsizetype kWaiting = 10;

  // The user's download folder with the suggested name, or the name alone
  // when there is no such folder.
  static QString proposedPath(const QString& folder, const QString& suggestedName);

  // Where files come in while the member chooses: folders named
  // heldPrefix() under the program's cache, each locked by its program.
  static QString cacheFolder();
  static QString heldPrefix() { return QStringLiteral("scaricamento-"); }
  // Removes the held folders under folder that no running program holds
  // (left by a crash); nothing else.
  static void removeLeftovers(const QString& folder);

  // Puts the finished file held in its place at target, replacing a file
  // there only with a whole copy; when that fails, the file goes into
  // keptFolder under the target's name (or stays where it is) and the
  // result says where. Slow across file systems: run it off the window's
  // thread; stop set makes it give up and keep nothing.
  struct Placed {
    bool ok = false;
    QString kept;
  };
  static Placed place(const QString& held, const QString& target, const QString& keptFolder,
                      const std::atomic_bool& stop);

  static QString dialogTitle();
  static QString messageTitle();
  static QString doneText(const QString& path);
  static QString failedText(const QString& path);
  static QString keptText(const QString& path, const QString& kept);
  static QString noFolderText(const QString& folder);
  static QString refusedText();

private:
  struct Line {
    QList<QPointer<Download>> downloads; // the first is being asked about
    bool told = false;                   // the refusal was told
  };
  void askNext(const QObject* pane);
  void chosen(Download& download, const QString& path);
  // The pane or the whole program goes: what waits or is under way is
  // cancelled, and nothing more is asked.
  void dropLine(const QObject* pane);
  void closeAll();

  Platform& platform_;
  QHash<const QObject*, Line> lines_;
  QList<QPointer<Download>> underWay_; // held or saving, not yet finished
  bool closed_ = false;
  bool noFolderTold_ = false; // until a folder can be made again
};

// The engine's download request as a Download; it lives as long as the request.
class WebEngineDownload : public Download {
  Q_OBJECT
public:
  explicit WebEngineDownload(QWebEngineDownloadRequest* request);
  ~WebEngineDownload() override;
  QString suggestedFileName() const override;
  const QObject* pane() const override;
  bool hold() override;
  void saveTo(const QString& path) override;
  void cancel() override;
  QString savedPath() const override;
  QString keptPath() const override { return kept_; }

private:
  // Once the file is whole and the member has chosen: in its place.
  void settle();

  QWebEngineDownloadRequest* request_;
  std::unique_ptr<QTemporaryDir> dir_; // where a held file comes in
  std::unique_ptr<QLockFile> lock_;    // the folder is this program's while it lives
  std::shared_ptr<std::atomic_bool> stop_ = std::make_shared<std::atomic_bool>(false);
  QString target_, kept_;
  bool received_ = false, receivedOk_ = false, placing_ = false, cancelled_ = false;
};
