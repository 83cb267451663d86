#include "platform/QtPlatform.h"

#include "platform/QtMediaPlayer.h"
#include "platform/WebEnginePane.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QWebEngineProfile>

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

QWebEngineProfile* QtPlatform::profile() {
  if (profile_ == nullptr) {
    // A named profile keeps cookies and logins across runs.
    profile_ = new QWebEngineProfile(QStringLiteral("SOLVARINO3w"), qApp);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::ForcePersistentCookies);
  }
  return profile_;
}

std::unique_ptr<BrowserPane> QtPlatform::createBrowserPane(QWidget* parent) {
  return std::make_unique<WebEnginePane>(profile(), parent);
}

std::unique_ptr<MediaPlayer> QtPlatform::createMediaPlayer(QWidget* parent) {
  return std::make_unique<QtMediaPlayer>(parent);
}

void QtPlatform::clearClipboard() { QGuiApplication::clipboard()->clear(); }

bool QtPlatform::setClipboardText(const QString& text) {
  QClipboard* cb = QGuiApplication::clipboard();
  cb->setText(text);
  return cb->text() == text;
}

int QtPlatform::msgBox(const QString& text, int style, const QString& title) {
  QMessageBox box;
  box.setWindowTitle(title);
  box.setText(text);
  switch (style & 0x70) {
  case vbCritical: box.setIcon(QMessageBox::Critical); break;
  case vbQuestion: box.setIcon(QMessageBox::Question); break;
  case vbExclamation: box.setIcon(QMessageBox::Warning); break;
  case vbInformation: box.setIcon(QMessageBox::Information); break;
  default: break;
  }
  QPushButton* first = nullptr;
  QPushButton* second = nullptr;
  switch (style & 0x7) {
  case vbYesNo:
    first = box.addButton(QObject::tr("&Sì"), QMessageBox::YesRole);
    second = box.addButton(QObject::tr("&No"), QMessageBox::NoRole);
    break;
  case vbOKCancel:
    first = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
    second = box.addButton(QObject::tr("Annulla"), QMessageBox::RejectRole);
    break;
  default:
    first = box.addButton(QObject::tr("OK"), QMessageBox::AcceptRole);
    break;
  }
  // The first button is the default unless the style asks for the second.
  box.setDefaultButton((style & 256) && second ? second : first);
  if (second)
    box.setEscapeButton(second);
  box.exec();
  const auto* clicked = box.clickedButton();
  switch (style & 0x7) {
  case vbYesNo: return clicked == first ? vbYes : vbNo;
  case vbOKCancel: return clicked == first ? vbOK : vbCancel;
  default: return vbOK;
  }
}

void QtPlatform::beep() { QApplication::beep(); }

QSize QtPlatform::screenSize() const {
  const QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->size() : QSize(1024, 768);
}

QString QtPlatform::applicationFolder() const {
  return QCoreApplication::applicationDirPath();
}

int QtPlatform::showModal(QDialog& dialog) { return dialog.exec(); }
