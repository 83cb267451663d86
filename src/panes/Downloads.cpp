#include "panes/Downloads.h"

#include "desktop/Platform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QLockFile>
#include <QPointer>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWebEngineDownloadRequest>
#include <QWebEngineView>
#include <QtConcurrent/QtConcurrentRun>
#include <filesystem>

namespace {

// The mark that a held folder belongs to a running program.
const QString kInUse = QStringLiteral(".in-uso");

std::filesystem::path fsPath(const QString& path) {
  return std::filesystem::path(path.toStdU16String());
}

// A whole copy of from at to, or nothing at to: a file already there is
// replaced only when the copy is complete.
bool copyWhole(const QString& from, const QString& to, const std::atomic_bool& stop) {
  QFile in(from);
  QSaveFile out(to);
  if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly))
    return false;
  while (!in.atEnd()) {
    if (stop)
      return false;
    const QByteArray chunk = in.read(1 << 20);
    if (chunk.isEmpty() || out.write(chunk) != chunk.size())
      return false;
  }
  return in.error() == QFile::NoError && out.commit();
}

// name in folder, numbered when a file there has it already.
QString freeName(const QString& folder, const QString& name) {
  const QDir dir(folder);
  const QFileInfo info(name);
  QString candidate = name;
  for (int n = 2; dir.exists(candidate); ++n)
    candidate =
        info.suffix().isEmpty()
            ? QStringLiteral("%1 (%2)").arg(name).arg(n)
            : QStringLiteral("%1 (%2).%3").arg(info.completeBaseName()).arg(n).arg(info.suffix());
  return dir.filePath(candidate);
}

} // namespace

DownloadHandler::DownloadHandler(Platform& platform, QObject* parent)
    : QObject(parent), platform_(platform) {
  connect(&platform_.gate(), &SurfaceGate::paneGone, this, &DownloadHandler::dropLine);
  connect(&platform_.gate(), &SurfaceGate::closing, this, &DownloadHandler::closeAll);
}

DownloadHandler::~DownloadHandler() {
  closeAll();
}

QString DownloadHandler::proposedPath(const QString& folder, const QString& suggestedName) {
  // Only the name part: a suggested name never chooses the folder.
  QString name = QFileInfo(suggestedName).fileName();
  if (name.isEmpty())
    name = QStringLiteral("download");
  if (folder.isEmpty())
    return name;
  return QDir(folder).filePath(name);
}

QString DownloadHandler::cacheFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
}

void DownloadHandler::removeLeftovers(const QString& folder) {
  const QFileInfoList found = QDir(folder).entryInfoList(
      {heldPrefix() + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks | QDir::NoDotAndDotDot);
  for (const QFileInfo& held : found) {
    // A folder whose program still runs is locked; its program's crash
    // leaves the lock stale.
    QLockFile lock(QDir(held.filePath()).filePath(kInUse));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
      continue;
    lock.unlock();
    QDir(held.filePath()).removeRecursively();
  }
}

DownloadHandler::Placed DownloadHandler::place(const QString& held, const QString& target,
                                               const QString& keptFolder,
                                               const std::atomic_bool& stop) {
  // On one file system a rename, which replaces the old file at once.
  std::error_code error;
  std::filesystem::rename(fsPath(held), fsPath(target), error);
  if (!error)
    return {true, {}};
  if (copyWhole(held, target, stop)) {
    QFile::remove(held);
    return {true, {}};
  }
  if (stop)
    return {};
  // The file is whole: it stays with the member, out of the held folder
  // that goes away.
  QDir().mkpath(keptFolder);
  const QString kept = freeName(keptFolder, QFileInfo(target).fileName());
  std::filesystem::rename(fsPath(held), fsPath(kept), error);
  return {false, error ? held : kept};
}

QString DownloadHandler::dialogTitle() {
  return QStringLiteral("Salva con nome");
}
QString DownloadHandler::messageTitle() {
  return kProgramTitle;
}

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

QString DownloadHandler::keptText(const QString& path, const QString& kept) {
  return failedText(path) + QStringLiteral("\n\nIl file scaricato è stato conservato in:\n%1")
                                .arg(QDir::toNativeSeparators(kept));
}

QString DownloadHandler::noFolderText(const QString& folder) {
  return QStringLiteral("Impossibile scaricare il file: non è stato possibile creare la cartella "
                        "temporanea in:\n%1")
      .arg(QDir::toNativeSeparators(folder));
}

void DownloadHandler::handle(Download& download) {
  if (closed_) {
    download.cancel();
    return;
  }
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
  if (!download.hold()) {
    // Asking where to save would be for nothing; one message for a flood.
    download.cancel();
    if (line.downloads.isEmpty())
      lines_.remove(download.pane());
    if (!std::exchange(noFolderTold_, true))
      platform_.inform(noFolderText(cacheFolder()), vbExclamation, messageTitle());
    return;
  }
  noFolderTold_ = false;
  // Every pane says when it goes; anything else that offered a file at least goes.
  if (line.downloads.isEmpty() && download.pane())
    connect(download.pane(), &QObject::destroyed, this, &DownloadHandler::dropLine,
            Qt::UniqueConnection);
  underWay_.removeIf([](const QPointer<Download>& p) { return !p; });
  underWay_.append(&download);
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
                             // Unless its pane or the program went meanwhile,
                             // which cancelled the line.
                             const auto line = self->lines_.find(pane);
                             if (line == self->lines_.end() || line->downloads.isEmpty() ||
                                 line->downloads.constFirst() != d)
                               return;
                             line->downloads.removeFirst();
                             if (d)
                               self->chosen(*d, path);
                             self->askNext(pane);
                           });
}

void DownloadHandler::chosen(Download& download, const QString& path) {
  if (path.isEmpty()) {
    underWay_.removeAll(&download);
    download.cancel();
    return;
  }
  // Told when the saving ends (and not at all if the handler is gone by then).
  Download* d = &download;
  connect(
      d, &Download::finished, this,
      [this, d, path](bool ok) {
        underWay_.removeAll(d);
        const QString saved = d->savedPath().isEmpty() ? path : d->savedPath();
        const QString kept = d->keptPath();
        // Needs no answer: under the boss alarm's disguise it waits for the restore.
        platform_.inform(ok               ? doneText(saved)
                         : kept.isEmpty() ? failedText(saved)
                                          : keptText(saved, kept),
                         ok ? vbInformation : vbExclamation, messageTitle());
      },
      Qt::SingleShotConnection);
  download.saveTo(path);
}

void DownloadHandler::dropLine(const QObject* pane) {
  const Line line = lines_.take(pane);
  for (const QPointer<Download>& d : line.downloads)
    if (d) {
      underWay_.removeAll(d);
      d->cancel();
    }
}

void DownloadHandler::closeAll() {
  closed_ = true;
  lines_.clear();
  for (const QPointer<Download>& d : std::exchange(underWay_, {}))
    if (d) {
      disconnect(d, &Download::finished, this, nullptr); // says nothing more
      d->cancel();
    }
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

WebEngineDownload::~WebEngineDownload() {
  // A copy under way gives up; its result has nowhere to go.
  stop_->store(true);
}

const QObject* WebEngineDownload::pane() const {
  QWebEnginePage* page = request_->page();
  if (!page)
    return nullptr;
  // The pane's view owns its page; a window showing it full screen only
  // borrows it for a while.
  if (auto* owner = qobject_cast<QWebEngineView*>(page->parent()))
    return owner;
  return QWebEngineView::forPage(page);
}

QString WebEngineDownload::suggestedFileName() const {
  return request_->suggestedFileName().isEmpty() ? request_->downloadFileName()
                                                 : request_->suggestedFileName();
}

bool WebEngineDownload::hold() {
  // The engine drops a request nobody took by the end of its signal, and
  // the member's choice may come much later: the file comes into a folder
  // of the program's own meanwhile, and goes where the member chose after.
  const QString base = DownloadHandler::cacheFolder();
  auto dir = QDir().mkpath(base) ? std::make_unique<QTemporaryDir>(QDir(base).filePath(
                                       DownloadHandler::heldPrefix() + "XXXXXX"))
                                 : nullptr;
  if (!dir || !dir->isValid())
    return false;
  lock_ = std::make_unique<QLockFile>(dir->filePath(kInUse));
  lock_->setStaleLockTime(0);
  lock_->tryLock(0);
  dir_ = std::move(dir);
  request_->setDownloadDirectory(dir_->path());
  request_->setDownloadFileName(QStringLiteral("file"));
  request_->accept();
  return true;
}

void WebEngineDownload::saveTo(const QString& path) {
  target_ = path;
  settle();
}

void WebEngineDownload::settle() {
  if (cancelled_ || placing_ || !received_ || target_.isEmpty())
    return; // both the file and the member's choice are needed
  if (!receivedOk_ || !dir_) {
    lock_.reset();
    dir_.reset();
    emit finished(false);
    return;
  }
  // Across file systems a copy, which may be long: off the window's thread.
  placing_ = true;
  auto* watcher = new QFutureWatcher<DownloadHandler::Placed>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
    const DownloadHandler::Placed placed = watcher->result();
    watcher->deleteLater();
    placing_ = false;
    if (cancelled_)
      return;
    kept_ = placed.kept;
    if (!kept_.isEmpty() && kept_.startsWith(dir_->path()))
      dir_->setAutoRemove(false); // the only place the file could stay
    lock_.reset();
    dir_.reset();
    emit finished(placed.ok);
  });
  const QString keptFolder = QDir(DownloadHandler::cacheFolder()).filePath("non salvati");
  watcher->setFuture(QtConcurrent::run(
      [held = dir_->filePath(QStringLiteral("file")), target = target_, keptFolder, stop = stop_] {
        return DownloadHandler::place(held, target, keptFolder, *stop);
      }));
}

void WebEngineDownload::cancel() {
  cancelled_ = true;
  stop_->store(true);
  if (!request_->isFinished())
    request_->cancel();
  lock_.reset();
  dir_.reset();
}

QString WebEngineDownload::savedPath() const {
  if (!target_.isEmpty())
    return target_;
  return QDir(request_->downloadDirectory()).filePath(request_->downloadFileName());
}
