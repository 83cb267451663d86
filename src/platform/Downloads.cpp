#include "platform/Downloads.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QWebEngineDownloadRequest>

DownloadHandler::DownloadHandler(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {}

QString DownloadHandler::proposedPath(const QString& folder, const QString& suggestedName) {
  // Only the name part: a suggested name never chooses the folder.
  QString name = QFileInfo(suggestedName).fileName();
  if (name.isEmpty())
    name = QStringLiteral("download");
  if (folder.isEmpty())
    return name;
  return QDir(folder).filePath(name);
}

QString DownloadHandler::dialogTitle() { return QStringLiteral("Salva con nome"); }
QString DownloadHandler::messageTitle() { return kProgramTitle; }

QString DownloadHandler::doneText(const QString& path) {
  return QStringLiteral("Il file è stato salvato:\n%1").arg(QDir::toNativeSeparators(path));
}

QString DownloadHandler::failedText(const QString& path) {
  return QStringLiteral("Impossibile salvare il file:\n%1").arg(QDir::toNativeSeparators(path));
}

void DownloadHandler::handle(Download& download) {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  const QString path =
      platform_.saveFileName(dialogTitle(), proposedPath(folder, download.suggestedFileName()));
  if (path.isEmpty()) {
    download.cancel();
    return;
  }
  // Told when the saving ends (and not at all if the handler is gone by then).
  Download* d = &download;
  connect(
      d, &Download::finished, this,
      [this, d, path](bool ok) {
        const QString saved = d->savedPath().isEmpty() ? path : d->savedPath();
        // Needs no answer: under the boss alarm's disguise it waits for the restore.
        Platform& platform = platform_;
        platform.gate().tell([&platform, ok, saved] {
          if (ok)
            platform.msgBox(doneText(saved), vbInformation, messageTitle());
          else
            platform.msgBox(failedText(saved), vbExclamation, messageTitle());
        });
      },
      Qt::SingleShotConnection);
  download.saveTo(path);
}

WebEngineDownload::WebEngineDownload(QWebEngineDownloadRequest* request)
    : Download(request), request_(request) {
  connect(request, &QWebEngineDownloadRequest::isFinishedChanged, this, [this] {
    if (request_->isFinished())
      emit finished(request_->state() == QWebEngineDownloadRequest::DownloadCompleted);
  });
}

QString WebEngineDownload::suggestedFileName() const {
  return request_->suggestedFileName().isEmpty() ? request_->downloadFileName()
                                                 : request_->suggestedFileName();
}

void WebEngineDownload::saveTo(const QString& path) {
  const QFileInfo target(path);
  request_->setDownloadDirectory(target.absolutePath());
  request_->setDownloadFileName(target.fileName());
  request_->accept();
}

void WebEngineDownload::cancel() { request_->cancel(); }

QString WebEngineDownload::savedPath() const {
  return QDir(request_->downloadDirectory()).filePath(request_->downloadFileName());
}
