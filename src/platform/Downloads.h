#pragma once
// Files that pages offer for saving. Nothing is saved before the user has
// chosen where, and the user is told when the file is complete or has failed.
#include <QObject>
#include <QString>

class Platform;
class QWebEngineDownloadRequest;

// One file a page offers: the engine's download in the program, a stand-in
// in the tests.
class Download : public QObject {
  Q_OBJECT
public:
  using QObject::QObject;
  virtual QString suggestedFileName() const = 0;
  // Starts saving the file at path.
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

  // The user's download folder with the suggested name, or the name alone
  // when there is no such folder.
  static QString proposedPath(const QString& folder, const QString& suggestedName);

  static QString dialogTitle();
  static QString messageTitle();
  static QString doneText(const QString& path);
  static QString failedText(const QString& path);

private:
  Platform& platform_;
};

// The engine's download request as a Download; it lives as long as the request.
class WebEngineDownload : public Download {
  Q_OBJECT
public:
  explicit WebEngineDownload(QWebEngineDownloadRequest* request);
  QString suggestedFileName() const override;
  void saveTo(const QString& path) override;
  void cancel() override;
  QString savedPath() const override;

private:
  QWebEngineDownloadRequest* request_;
};
