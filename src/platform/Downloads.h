#pragma once
// Files that pages offer for saving. Nothing is saved before the user has
// chosen where, and the user is told when the file is complete or has failed.
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <memory>

class Platform;
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
  // Keeps the file coming while the member chooses where it goes.
  virtual void hold() {}
  // Saves the file at path.
  virtual void saveTo(const QString& path) = 0;
  virtual void cancel() = 0;
  // Where the file was really written (the engine may adjust the name).
  virtual QString savedPath() const = 0;

signals:
  // Once, when the saving ends.
  void finished(bool ok);
};

class DownloadHandler : public QObject {
  Q_OBJECT
public:
  explicit DownloadHandler(Platform& platform, QObject* parent = nullptr);

  // Asks where to save, then starts or cancels; reports the outcome.
  void handle(Download& download);

  // Downloads of one pane that may wait for its save choice; more are refused.
  static constexpr qsizetype kWaiting = 10;

  // The user's download folder with the suggested name, or the name alone
  // when there is no such folder.
  static QString proposedPath(const QString& folder, const QString& suggestedName);

  static QString dialogTitle();
  static QString messageTitle();
  static QString doneText(const QString& path);
  static QString failedText(const QString& path);
  static QString refusedText();

private:
  struct Line {
    QList<QPointer<Download>> downloads; // the first is being asked about
    bool told = false;                   // the refusal was told
  };
  void askNext(const QObject* pane);
  void chosen(Download& download, const QString& path);

  Platform& platform_;
  QHash<const QObject*, Line> lines_;
};

// The engine's download request as a Download; it lives as long as the request.
class WebEngineDownload : public Download {
  Q_OBJECT
public:
  explicit WebEngineDownload(QWebEngineDownloadRequest* request);
  QString suggestedFileName() const override;
  const QObject* pane() const override;
  void hold() override;
  void saveTo(const QString& path) override;
  void cancel() override;
  QString savedPath() const override;

private:
  // Once the file is whole and the member has chosen: in its place.
  void settle();

  QWebEngineDownloadRequest* request_;
  std::unique_ptr<QTemporaryDir> dir_; // where a held file comes in
  QString target_;
  bool received_ = false, receivedOk_ = false;
};
