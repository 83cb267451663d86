#pragma once
// Notifications on the desktop's notification service (org.freedesktop.
// Notifications on the session bus). Each is shown through tell, which holds
// it while the window must show nothing; notes with the same key replace each
// other, so a rise of the count, or what came while they were held, is one
// notification. With no bus or no service there is nothing, and nothing is said.
#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <functional>

class DesktopNotifications : public QObject {
  Q_OBJECT
public:
  // Runs show now, or later when nothing may show now.
  using Tell = std::function<void(std::function<void()> show)>;

  struct Note {
    QString summary;
    QString body; // plain text
    // The member chose "Apri"; closed: the desktop or the member closed it.
    std::function<void()> open, closed;
  };

  explicit DesktopNotifications(Tell tell, QObject* parent = nullptr);
  ~DesktopNotifications() override;

  void show(const QString& key, Note note);
  // Takes back the notification of key, shown or waiting.
  void withdraw(const QString& key);
  // Takes back every notification on the desktop (the disguise goes on).
  void withdrawAll();
  // The picture the notifications carry.
  void setIcon(const QImage& icon) { icon_ = icon; }

private slots:
  void actionInvoked(uint id, const QString& action);
  void notificationClosed(uint id, uint reason);

private:
  struct Entry {
    uint id = 0;          // the desktop's number for the one shown
    bool told = false;    // waiting for tell to show it
    bool sending = false; // Notify sent, its number not yet back
    bool dirty = false;   // changed while it was being sent
    Note note;
  };
  void tellSend(const QString& key);
  void send(const QString& key);
  void closeOnDesktop(uint id);

  Tell tell_;
  QImage icon_;
  bool markup_ = true; // the service reads markup in bodies, until it says otherwise
  QHash<QString, Entry> entries_;
};
