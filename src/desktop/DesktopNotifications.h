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
  // Runs show now, or later when nothing may show now; what it returns
  // takes back a show kept for later.
  using Tell = std::function<std::function<void()>(std::function<void()> show)>;

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

protected:
  // The desktop's side, which a test may stand in for: post hands a
  // notification over (replacing the one numbered replaces) and numbered
  // gets the desktop's number for it when it comes back (0: none);
  // closeOnDesktop takes one off the desktop.
  virtual void post(const QString& summary, const QString& body, uint replaces,
                    std::function<void(uint id)> numbered);
  virtual void closeOnDesktop(uint id);

private slots:
  void actionInvoked(uint id, const QString& action);
  void notificationClosed(uint id, uint reason);

private:
  struct Entry {
    uint id = 0;                  // the desktop's number for the one shown
    quint64 told = 0;             // the tell waiting to show it (0: none)
    std::function<void()> untell; // takes that tell back
    quint64 sending = 0;          // the Notify on its way, its number not yet back (0: none)
    bool dirty = false;           // changed while it was being sent
    Note note;
  };
  void tellSend(const QString& key);
  void send(const QString& key, quint64 token);
  void numbered(const QString& key, quint64 token, uint id);

  Tell tell_;
  QImage icon_;
  bool markup_ = true; // the service reads markup in bodies, until it says otherwise
  QHash<QString, Entry> entries_;
  // Each tell and each Notify has its own token: an answer that comes back
  // for one taken back meanwhile finds no entry holding it.
  quint64 lastToken_ = 0;
};
