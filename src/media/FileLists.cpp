#include "media/FileLists.h"

#include "ui/Widgets.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QStorageInfo>
#include <QStyle>
#include <QTimer>

bool readableFolder(const QString& folder) {
  const QFileInfo fi(folder);
  return !folder.isEmpty() && fi.isDir() && fi.isReadable() && fi.isExecutable();
}

namespace {
QString normalFolder(const QString& folder) { return QDir::cleanPath(QFileInfo(folder).absoluteFilePath()); }
} // namespace

// ---------------------------------------------------------------- drives

DriveListBox::DriveListBox(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (quiet_ || i == current_)
      return;
    previous_ = current_;
    current_ = i;
    emit Change();
  });
}

QList<Drive> DriveListBox::mountedDrives() {
  QList<Drive> out;
  for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
    // A single file mounted into the tree is no drive; a drive that is not
    // ready is listed all the same, as a drive without a medium is.
    if (v.isReady() && !QFileInfo(v.rootPath()).isDir())
      continue;
    out.append({v.rootPath(), v.name()});
  }
  return out;
}

void DriveListBox::setDrives(const QList<Drive>& drives) {
  quiet_ = true;
  drives_ = drives;
  clear();
  for (const Drive& d : drives_)
    addItem(d.label.isEmpty() ? d.root : QStringLiteral("%1 [%2]").arg(d.root, d.label));
  current_ = previous_ = currentIndex();
  quiet_ = false;
}

QString DriveListBox::drive() const {
  return current_ >= 0 && current_ < drives_.size() ? drives_[current_].root : QString();
}

void DriveListBox::showDriveOf(const QString& path) {
  int best = -1;
  qsizetype bestLength = -1;
  for (int i = 0; i < drives_.size(); ++i) {
    const QString& root = drives_[i].root;
    const bool holds = path == root || root == QLatin1String("/") ||
                       path.startsWith(root.endsWith('/') ? root : root + '/');
    if (holds && root.size() > bestLength) {
      best = i;
      bestLength = root.size();
    }
  }
  quiet_ = true;
  setCurrentIndex(best);
  current_ = previous_ = best;
  quiet_ = false;
}

void DriveListBox::setDriveIndex(int i) { setCurrentIndex(i); }

void DriveListBox::restorePrevious() {
  quiet_ = true;
  setCurrentIndex(previous_);
  current_ = previous_;
  quiet_ = false;
}

// ---------------------------------------------------------------- folders

DirListBox::DirListBox(QWidget* parent) : QListWidget(parent) {
  // Double click (or Enter) opens a folder. The list is rebuilt, so the change
  // runs after the view has finished with the item.
  connect(this, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
    const QString folder = item->data(Qt::UserRole).toString();
    QTimer::singleShot(0, this, [this, folder] { setPath(folder); });
  });
}

QString DirListBox::folderAt(int row) const {
  const QListWidgetItem* it = item(row);
  return it ? it->data(Qt::UserRole).toString() : QString();
}

bool DirListBox::setPath(const QString& folder) {
  if (!readableFolder(folder))
    return false;
  const QString target = normalFolder(folder);
  const bool changed = target != path_;
  path_ = target;

  clear();
  const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
  const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
  QStringList chain;  // the root first, the folder itself last
  for (QDir d(path_);; ) {
    chain.prepend(d.absolutePath());
    if (!d.cdUp())
      break;
  }
  int depth = 0;
  for (const QString& f : chain) {
    const QString name = f == QLatin1String("/") ? f : QFileInfo(f).fileName();
    auto* it = new QListWidgetItem(open, QString(depth * 2, ' ') + name, this);
    it->setData(Qt::UserRole, f);
    ++depth;
  }
  setCurrentRow(depth - 1);
  const QFileInfoList subs =
      QDir(path_).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
  for (const QFileInfo& s : subs) {
    auto* it = new QListWidgetItem(closed, QString(depth * 2, ' ') + s.fileName(), this);
    it->setData(Qt::UserRole, QDir::cleanPath(s.absoluteFilePath()));
  }
  // Keep the folder in view with a little of what lies above and below it.
  scrollToItem(item(depth - 1), QAbstractItemView::PositionAtCenter);
  if (changed)
    emit Change();
  return true;
}

// ---------------------------------------------------------------- files

FileListBox::FileListBox(QWidget* parent) : QListWidget(parent) {
  ui::onItemClick(this, [this] { emit Click(); });
}

bool FileListBox::setPath(const QString& folder) {
  if (!readableFolder(folder))
    return false;
  path_ = normalFolder(folder);
  clear();
  for (const QFileInfo& f :
       QDir(path_).entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase))
    addItem(f.fileName());
  setCurrentRow(-1);
  return true;
}

void FileListBox::setListIndex(int i) {
  setCurrentRow(i);
  emit Click();
}

void FileListBox::keyPressEvent(QKeyEvent* e) {
  // Moving the selection with the keys chooses the file, as a click does.
  const int before = currentRow();
  QListWidget::keyPressEvent(e);
  if (currentRow() != before && currentRow() >= 0)
    emit Click();
}
