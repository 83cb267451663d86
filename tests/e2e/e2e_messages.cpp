// A new private message finds the member: the real panes read the portal's
// header, the watch loads the messages pane again, and a stand-in desktop
// notification service on the test's own session bus (dbus-run-session)
// records what reaches it; behind the disguise nothing does until the restore.
#include "e2e/E2E.h"

#include "panes/BrowserPane.h"
#include "panes/WebEnginePane.h"
#include "privacy/BossAlarm.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>

namespace {

const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kName = QStringLiteral("org.freedesktop.Notifications");

// The desktop's notification service, as far as the program uses it.
class StandInService : public QObject {
  Q_OBJECT
  Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
  struct Call {
    uint replaces, id;
    QString summary, body;
    QStringList actions;
    bool picture;
  };
  QList<Call> calls;

public slots:
  uint Notify(const QString&, uint replaces, const QString&, const QString& summary,
              const QString& body, const QStringList& actions, const QVariantMap& hints, int) {
    const uint id = replaces != 0 ? replaces : ++last_;
    calls << Call{replaces, id, summary, body, actions, hints.contains("image-data")};
    return id;
  }
  QStringList GetCapabilities() { return {"actions", "body", "body-markup"}; }
  void CloseNotification(uint id) { closed << id; }

public:
  QList<uint> closed;

private:
  uint last_ = 0;
};

void runScript(BrowserPane& pane, const QString& js) {
  static_cast<WebEnginePane&>(pane).view()->page()->runJavaScript(js);
}

} // namespace

TEST(Messages, ARiseFindsTheMemberAndWaitsBehindTheDisguise) {
  qputenv("SLV_MESSAGES_CHECK_S", "1");
  QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, "servizio");
  StandInService service;
  ASSERT_TRUE(bus.registerObject(kPath, &service, QDBusConnection::ExportAllSlots));
  ASSERT_TRUE(bus.registerService(kName));
  const auto invoke = [&](uint id) {
    bus.send(QDBusMessage::createSignal(kPath, kName, "ActionInvoked") << id << QString("apri"));
  };
  e2e::Run run;
  ASSERT_TRUE(run.serve());
  frmNRV_SLV3* w = run.start();
  ASSERT_NE(w, nullptr);
  BrowserPane& mess = *w->WBMess;
  const auto asked = [&] { return run.portal.requests.count("/msg/"); };
  ASSERT_TRUE(e2e::waitFor([&] { return asked() > 0 && !mess.busy(); }, 30000));

  // With the forum in front, the count rises: within two rounds it shows.
  run.portal.unread = 2;
  EXPECT_TRUE(e2e::waitFor([&] { return w->windowTitle().startsWith("(2) "); }, 5000));
  ASSERT_TRUE(e2e::waitFor([&] { return service.calls.size() == 1; }, 3000));
  EXPECT_EQ(service.calls[0].summary, "2 nuovi messaggi privati");
  EXPECT_TRUE(service.calls[0].actions.contains("apri") && service.calls[0].picture);
  e2e::screenshot(w, "messaggi-conteggio");

  // A reply being typed is never loaded away.
  runScript(mess, "document.querySelector('textarea').value = 'Ciao, ti rispondo'");
  QTest::qWait(1500); // a round already under way ends first
  // and may have read the page just before the typing: type on what it shows now.
  runScript(mess, "document.querySelector('textarea').value = 'Ciao, ti rispondo'");
  QTest::qWait(300);
  const qsizetype before = asked();
  QTest::qWait(2500);
  EXPECT_EQ(asked(), before);
  runScript(mess, "document.querySelector('textarea').value = ''");

  // A page's own notification takes the same road, as text; "Apri" brings its
  // pane, though the forum shows the same site.
  run.platform.onMsgBox = [](const QString&, int) { return vbYes; };
  w->pboWins_Click(2);
  w->WBMail->navigate(run.portal.url("/prove/notifiche.html"));
  QWebEnginePage& mail = *static_cast<WebEnginePane&>(*w->WBMail).view()->page();
  ASSERT_TRUE(e2e::waitFor([&] { return mail.title() == "Notifiche: granted"; }));
  runScript(*w->WBMail, "new Notification('Dalla posta', {body: '<b>ciao</b>'})");
  ASSERT_TRUE(e2e::waitFor([&] { return service.calls.size() == 2; }, 5000));
  EXPECT_EQ(service.calls[1].body, "&lt;b&gt;ciao&lt;/b&gt;");
  EXPECT_EQ(service.calls[1].summary, "Dalla posta");
  w->pboWins_Click(0);
  invoke(service.calls[1].id);
  EXPECT_TRUE(e2e::waitFor([&] { return w->CurrentBrowser == w->WBMail.get(); }, 5000));
  w->pboWins_Click(0);

  // Behind the disguise rounds go on, and nothing shows until the restore.
  w->alarm->raiseAlarm();
  run.portal.unread = 3;
  const qsizetype disguisedAt = asked();
  EXPECT_TRUE(e2e::waitFor([&] { return asked() >= disguisedAt + 2; }, 8000));
  EXPECT_EQ(w->windowTitle(), "Microsoft Excel");
  EXPECT_EQ(service.calls.size(), 2);
  w->showNormal();
  EXPECT_TRUE(e2e::waitFor([&] { return w->windowTitle().startsWith("(3) "); }, 5000));
  ASSERT_TRUE(e2e::waitFor([&] { return service.calls.size() == 3; }, 3000));
  EXPECT_EQ(service.calls[2].summary, "3 nuovi messaggi privati");
  // Those on screen went with the disguise.
  EXPECT_TRUE(service.closed.contains(service.calls[0].id));
  // A later rise replaces the notification.
  run.portal.unread = 4;
  ASSERT_TRUE(e2e::waitFor([&] { return service.calls.size() == 4; }, 5000));
  EXPECT_EQ(service.calls[3].replaces, service.calls[2].id);

  // "Apri": the messages in front, the count seen.
  invoke(service.calls[3].id);
  EXPECT_TRUE(e2e::waitFor([&] { return w->CurrentBrowser == &mess; }, 5000));
  EXPECT_EQ(w->windowTitle(), frmNRV_SLV3::normalCaption());

  qunsetenv("SLV_MESSAGES_CHECK_S");
  run.state.ForceClose = true;
  w->close();
}

#include "e2e_messages.moc"
