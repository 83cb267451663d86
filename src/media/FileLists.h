#pragma once
// The drive, folder and file lists of the music panel. A list moves to a new
// place only when that place can be read; otherwise it keeps what it shows, so
// a drive without a medium or a vanished folder leaves the panel as it was.
#include <QComboBox>
#include <QList>
#include <QListWidget>

struct Drive {
  QString root;   // where the volume is mounted
  QString label;  // its name, may be empty
};

class DriveListBox : public QComboBox {
  Q_OBJECT
public:
  explicit DriveListBox(QWidget* parent);

  // The machine's mounted volumes that hold folders.
  static QList<Drive> mountedDrives();
  void setDrives(const QList<Drive>& drives);
  const QList<Drive>& drives() const { return drives_; }

  // Root of the chosen drive.
  QString drive() const;
  // Chooses the drive that holds path, without raising Change.
  void showDriveOf(const QString& path);
  // Chooses the drive at index i; raises Change when the choice changes.
  void setDriveIndex(int i);
  // Back to the choice before the last Change, without raising it again.
  void restorePrevious();

signals:
  void Change();

private:
  QList<Drive> drives_;
  int current_ = -1;
  int previous_ = -1;
  bool quiet_ = false;
};

class DirListBox : public QListWidget {
  Q_OBJECT
public:
  explicit DirListBox(QWidget* parent);

  QString path() const { return path_; }
  // Shows folder: its ancestors, itself and its subfolders. Raises Change when
  // the folder changes. False, and nothing changes, when it cannot be read.
  bool setPath(const QString& folder);
  // The folder an entry stands for.
  QString folderAt(int row) const;

signals:
  void Change();

private:
  QString path_;
};

class FileListBox : public QListWidget {
  Q_OBJECT
public:
  explicit FileListBox(QWidget* parent);

  QString path() const { return path_; }
  // Lists every file of folder that is neither hidden nor a system file, with
  // no selection. False, and nothing changes, when the folder cannot be read.
  bool setPath(const QString& folder);
  int listIndex() const { return currentRow(); }
  int listCount() const { return count(); }
  // Selects entry i and raises Click, as a click on it would.
  void setListIndex(int i);

signals:
  void Click();

protected:
  void keyPressEvent(QKeyEvent* e) override;

private:
  QString path_;
};

// True when folder exists and its entries can be listed.
bool readableFolder(const QString& folder);
