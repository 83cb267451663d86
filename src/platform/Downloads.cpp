#include "platform/Downloads.h"

#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEngineDownloadRequest>
#include <QWebEngineView>

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

QString DownloadHandler::refusedText() {
  return QStringLiteral("La pagina ha chiesto di scaricare troppi file insieme: gli altri non "
                        "sono stati scaricati.");
}

QString DownloadHandler::failedText(const QString& path) {
  return QStringLiteral("Impossibile salvare il file:\n%1").arg(QDir::toNativeSeparators(path));
}

void DownloadHandler::handle(Download& download) {
  // One save choice open per pane; the pane's next downloads wait their
  // turn, up to a bound, so a page cannot bury the member in dialogs.
  Line& line = lines_[download.pane()];
  if (line.downloads.size() > kWaiting) {
    download.cancel();
    if (!line.told) {
      line.told = true;
      platform_.inform(refusedText(), vbExclamation, messageTitle());
    }
    return;
  }
  download.hold();
  line.downloads.append(&download);
  if (line.downloads.size() == 1)
    askNext(download.pane());
}

void DownloadHandler::askNext(const QObject* pane) {
  const auto it = lines_.find(pane);
  if (it == lines_.end())
    return;
  // Those the engine took back meanwhile leave the line.
  while (!it->downloads.isEmpty() && !it->downloads.constFirst())
    it->downloads.removeFirst();
  if (it->downloads.isEmpty()) {
    lines_.erase(it);
    return;
  }
  Download* download = it->downloads.constFirst();
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
  QPointer<DownloadHandler> self(this);
  QPointer<Download> d(download);
  platform_.chooseSaveFile(dialogTitle(), proposedPath(folder, download->suggestedFileName()), pane,
                           [self, d, pane](const QString& path) {
                             if (!self)
                               return;
                             if (d)
                               self->chosen(*d, path);
                             if (const auto line = self->lines_.find(pane);
                                 line != self->lines_.end() && !line->downloads.isEmpty()) {
                               line->downloads.removeFirst();
                               self->askNext(pane);
                             }
                           });
}

void DownloadHandler::chosen(Download& download, const QString& path) {
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
        platform_.inform(ok ? doneText(saved) : failedText(saved),
                         ok ? vbInformation : vbExclamation, messageTitle());
      },
      Qt::SingleShotConnection);
  download.saveTo(path);
}

WebEngineDownload::WebEngineDownload(QWebEngineDownloadRequest* request)
    : Download(request), request_(request) {
  connect(request, &QWebEngineDownloadRequest::isFinishedChanged, this, [this] {
    if (!request_->isFinished())
      return;
    received_ = true;
    receivedOk_ = request_->state() == QWebEngineDownloadRequest::DownloadCompleted;
    settle();
  });
}

const QObject* WebEngineDownload::pane() const {
  return request_->page() ? QWebEngineView::forPage(request_->page()) : nullptr;
}

QString WebEngineDownload::suggestedFileName() const {
  return request_->suggestedFileName().isEmpty() ? request_->downloadFileName()
                                                 : request_->suggestedFileName();
}

void WebEngineDownload::hold() {
  // The engine drops a request nobody took by the end of its signal, and
  // the member's choice may come much later: the file comes into a folder
  // of the program's own meanwhile, and goes where the member chose after.
  const QString base = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
  QDir().mkpath(base);
  dir_ = std::make_unique<QTemporaryDir>(base + QStringLiteral("/scaricamento-XXXXXX"));
  if (!dir_->isValid()) {
    dir_.reset();
    return;
  }
  request_->setDownloadDirectory(dir_->path());
  request_->setDownloadFileName(QStringLiteral("file"));
  request_->accept();
}

void WebEngineDownload::saveTo(const QString& path) {
  if (!dir_) {
    const QFileInfo target(path);
    request_->setDownloadDirectory(target.absolutePath());
    request_->setDownloadFileName(target.fileName());
    request_->accept();
    return;
  }
  target_ = path;
  settle();
}

void WebEngineDownload::settle() {
  if (!dir_) {
    if (received_)
      emit finished(receivedOk_);
    return;
  }
  if (!received_ || target_.isEmpty())
    return; // both the file and the member's choice are needed
  const QString held = QDir(dir_->path()).filePath(QStringLiteral("file"));
  bool ok = receivedOk_;
  if (ok) {
    // The save dialog has already asked about replacing a file there.
    if (QFileInfo::exists(target_))
      QFile::remove(target_);
    ok = QFile::rename(held, target_);
  }
  dir_.reset();
  emit finished(ok);
}

void WebEngineDownload::cancel() {
  if (!request_->isFinished())
    request_->cancel();
  dir_.reset();
}

QString WebEngineDownload::savedPath() const {
  if (!target_.isEmpty())
    return target_;
  return QDir(request_->downloadDirectory()).filePath(request_->downloadFileName());
}
