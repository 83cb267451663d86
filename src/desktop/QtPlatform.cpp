#include "desktop/QtPlatform.h"

#include "core/beep_sound.h"
#include "core/data_folder.h"
#include "desktop/DesktopNotifications.h"
#include "desktop/Strings.h"

#include <QApplication>
#include <QAudioDevice>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <utility>

QtPlatform::QtPlatform() = default;

QtPlatform::~QtPlatform() = default;

DesktopNotifications& QtPlatform::notifications() {
  if (!notifications_) {
    // Through the gate: held while the window is disguised.
    notifications_ = std::make_unique<DesktopNotifications>(
        [this](std::function<void()> show) -> std::function<void()> {
          const int kept = gate().tell(std::move(show));
          return [this, kept] { gate().untell(kept); };
        });
    // Nothing of the program stays on the desktop over the disguise.
    QObject::connect(&gate(), &SurfaceGate::disguiseChanged, notifications_.get(),
                     [n = notifications_.get()](bool on) {
                       if (on)
                         n->withdrawAll();
                     });
  }
  return *notifications_;
}

void QtPlatform::notify(const QString& key, const QString& summary, std::function<void()> open) {
  notifications().show(key, {summary, QString(), std::move(open), {}});
}

void QtPlatform::setNotificationIcon(const QImage& icon) {
  notifications().setIcon(icon);
}

void QtPlatform::clearClipboard() { QGuiApplication::clipboard()->clear(); }

bool QtPlatform::setClipboardText(const QString& text) {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->setText(text);
  return cb->text() == text;
}

namespace {

// A message box of the given style; first and second are its buttons.
struct StyledBox {
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
};

StyledBox styleBox(QMessageBox& box, const QString& text, int style, const QString& title) {
  box.setWindowTitle(title);
  // Never markup, whoever wrote the text.
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  switch (style & 0x70) {
  case vbCritical: box.setIcon(QMessageBox::Critical); break;
  case vbQuestion: box.setIcon(QMessageBox::Question); break;
  case vbExclamation: box.setIcon(QMessageBox::Warning); break;
  case vbInformation: box.setIcon(QMessageBox::Information); break;
  default: break;
  }
  StyledBox b;
  switch (style & 0x7) {
  case vbYesNo:
    b.first = box.addButton(QObject::tr("&Sì"), QMessageBox::YesRole);
    b.second = box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    break;
  case vbOKCancel:
    b.first = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
    b.second = box.addButton(QObject::tr("Annulla"), QMessageBox::RejectRole);
    break;
  default:
    b.first = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
    break;
  }
  // The first button is the default unless the style asks for the second.
  box.setDefaultButton((style & 256) && b.second ? b.second : b.first);
  if (b.second)
    box.setEscapeButton(b.second);
  return b;
}

// The answer; a box closed without a button (dropped, or the program
// closing) gives the second button's, the cautious one.
int answerOf(const QMessageBox& box, const StyledBox& b, int style) {
  const bool first = box.clickedButton() != nullptr && box.clickedButton() == b.first;
  switch (style & 0x7) {
  case vbYesNo: return first ? vbYes : vbNo;
  case vbOKCancel: return first ? vbOK : vbCancel;
  default: return vbOK;
  }
}

} // namespace

int QtPlatform::msgBox(const QString& text, int style, const QString& title) {
  QMessageBox box;
  const StyledBox b = styleBox(box, text, style, title);
  gate().ask(box);
  return answerOf(box, b, style);
}

void QtPlatform::msgBoxThen(const QString& text, int style, const QString& title,
                            SurfaceGate::Way way, std::function<void(int)> answered) {
  auto* box = new QMessageBox(way.pane ? paneWindow(way.pane) : nullptr);
  const StyledBox b = styleBox(*box, text, style, title);
  gate().open(box, way, [box, b, style, answered = std::move(answered)](int) {
    if (answered)
      answered(answerOf(*box, b, style));
  });
}

void QtPlatform::openModal(QDialog* dialog, SurfaceGate::Way way, std::function<void(int)> done) {
  gate().open(dialog, way, std::move(done));
}

int QtPlatform::pageBox(const QObject* pane, const QString& text, int style, const QString& title,
                        bool offerSilence, bool* silence) {
  auto* view = qobject_cast<QWidget*>(const_cast<QObject*>(pane));
  // Over the program's window, holding nothing but the page's own pane.
  QMessageBox box(view ? view->window() : nullptr);
  box.setWindowModality(Qt::NonModal);
  const StyledBox b = styleBox(box, slv::plainText(text), style, title);
  if (offerSilence)
    box.setCheckBox(new QCheckBox(kPageSilenceText));
  showPageDialog(box, pane);
  if (silence)
    *silence = box.checkBox() && box.checkBox()->isChecked();
  return answerOf(box, b, style);
}

void QtPlatform::pageBoxThen(const QObject* pane, const QString& text, int style,
                             const QString& title, bool offerSilence,
                             std::function<void(int, bool)> answered) {
  auto* box = new QMessageBox(paneWindow(pane));
  const StyledBox b = styleBox(*box, slv::plainText(text), style, title);
  if (offerSilence)
    box->setCheckBox(new QCheckBox(kPageSilenceText));
  // A box gone without an answer (its window closing) gives the default.
  gate().open(box, {pane, true, false},
              [box = QPointer<QMessageBox>(box), b, style, answered = std::move(answered)](int) {
                if (!box)
                  return answered(style & 0x7 ? vbCancel : vbOK, false);
                answered(answerOf(*box, b, style), box->checkBox() && box->checkBox()->isChecked());
              });
}

int QtPlatform::showPageDialog(QDialog& dialog, const QObject* pane) {
  // The gate holds the pane (and only it) while the question is open.
  return gate().ask(dialog, pane);
}

void QtPlatform::beep() {
  // The desktop bell is muted on many desktops: play a tone of our own, and
  // ring the bell only where there is nothing to play it on.
  if (QMediaDevices::audioOutputs().isEmpty()) {
    QApplication::beep();
    return;
  }
  if (!beepSound_) {
    // The sound player reads files only: the tone goes to a temporary one.
    beepFile_ = std::make_unique<QTemporaryFile>(QDir::tempPath() + "/slv-beep-XXXXXX.wav");
    const std::string wave = slv::toneWave();
    const auto size = static_cast<qint64>(wave.size());
    if (!beepFile_->open() || beepFile_->write(wave.data(), size) != size || !beepFile_->flush()) {
      QApplication::beep();
      return;
    }
    beepSound_ = std::make_unique<QSoundEffect>();
    beepSound_->setSource(QUrl::fromLocalFile(beepFile_->fileName()));
  }
  if (beepSound_->status() == QSoundEffect::Error) {
    QApplication::beep();
    return;
  }
  // Plays as soon as the tone is loaded when it is not yet.
  beepSound_->play();
}

QSize QtPlatform::screenSize() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(1024, 768);
}

QString QtPlatform::applicationFolder() const {
  // Decided once: every data file of the run lives in the same folder.
  if (dataFolder_.isEmpty())
    dataFolder_ = chooseDataFolder();
  return dataFolder_;
}

QString QtPlatform::chooseDataFolder() {
  const QString exe = QCoreApplication::applicationDirPath();
  const QString index = QStringLiteral("/Allforums.svl");
  slv::DataFolderFacts facts;
  facts.exeFolder = slv::toStd(exe);
  facts.exeHoldsIndex = QFileInfo::exists(exe + index);
  facts.exeWritable = QFileInfo(exe).isWritable();
  const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  facts.userFolder = slv::toStd(user);
  facts.userHoldsIndex = QFileInfo::exists(user + index);
  // A read-only unpacked copy seeds from the index beside it, an installation
  // from its shared data folder.
  const QString shipped =
      facts.exeHoldsIndex ? exe + index : slv::qs(slv::shippedDataFolder(facts.exeFolder)) + index;
  facts.shippedIndex = QFileInfo::exists(shipped);
  const slv::DataFolderPlan plan = slv::planDataFolder(facts);
  const QString folder = slv::qs(plan.folder);
  if (folder == user) {
    // A folder that cannot be made leaves empty lists; a write that fails says so.
    QDir().mkpath(folder);
    if (plan.seedIndex)
      QFile::copy(shipped, folder + index); // never replaces an existing file
  }
  return folder;
}

int QtPlatform::showModal(QDialog& dialog) {
  return gate().ask(dialog);
}

namespace {

QFileDialog* saveDialog(QWidget* parent, const QString& title, const QString& proposedPath) {
  auto* dialog = new QFileDialog(parent, title, proposedPath);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  // Qt's own dialog speaks Italian too; a desktop dialog speaks the desktop's language.
  dialog->setLabelText(QFileDialog::LookIn, QStringLiteral("Salva in:"));
  dialog->setLabelText(QFileDialog::FileName, QStringLiteral("Nome file:"));
  dialog->setLabelText(QFileDialog::FileType, QStringLiteral("Tipo file:"));
  dialog->setLabelText(QFileDialog::Accept, QStringLiteral("Salva"));
  dialog->setLabelText(QFileDialog::Reject, QStringLiteral("Annulla"));
  return dialog;
}

QString chosenPath(const QFileDialog& dialog, int result) {
  if (result != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

} // namespace

QWidget* QtPlatform::paneWindow(const QObject* pane) {
  auto* w = qobject_cast<QWidget*>(const_cast<QObject*>(pane));
  return w ? w->window() : nullptr;
}

QString QtPlatform::saveFileName(const QString& title, const QString& proposedPath) {
  std::unique_ptr<QFileDialog> dialog(
      saveDialog(QApplication::activeWindow(), title, proposedPath));
  return chosenPath(*dialog, gate().ask(*dialog));
}

void QtPlatform::chooseSaveFile(const QString& title, const QString& proposedPath,
                                const QObject* pane, std::function<void(const QString&)> chosen) {
  QFileDialog* dialog =
      saveDialog(pane ? paneWindow(pane) : QApplication::activeWindow(), title, proposedPath);
  gate().open(dialog, {pane, false, false}, [dialog, chosen = std::move(chosen)](int result) {
    chosen(chosenPath(*dialog, result));
  });
}
