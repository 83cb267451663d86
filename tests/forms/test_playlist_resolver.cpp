// The playlist resolver against the local portal, without a player: the
// stations' playlists lead to their streams, nested and relative references
// are followed, and what fails or is dropped behaves.
#include "player/PlaylistResolver.h"
#include "portal/Portal.h"

#include <QElapsedTimer>
#include <QHttpServerRequest>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

PortalReply playlist(const QByteArray& body) {
  PortalReply r;
  r.mimeType = "video/x-ms-asf";
  r.body = body;
  return r;
}

class Resolver : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(portal.start());
    // A playlist naming another one by a relative address, and one naming itself.
    portal.handle(QStringLiteral("/liste/nested.asx"), [](const QHttpServerRequest&) {
      return playlist("<asx><entry><ref href=\"../lattemiele.asx\"/></entry></asx>");
    });
    portal.handle(QStringLiteral("/loop.asx"), [](const QHttpServerRequest&) {
      return playlist("[Reference]\r\nRef1=loop.asx\r\n");
    });
  }

  // The stream the playlist at path resolves to; empty when it fails.
  QUrl resolve(const QString& path) {
    resolver.resolve(QUrl(portal.url(path)));
    const qsizetype before = failed.count();
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return !resolved.isEmpty() || failed.count() > before; }, 5000))
        << path.toStdString();
    EXPECT_FALSE(resolver.busy());
    return resolved.isEmpty() ? QUrl() : resolved.takeFirst().at(0).toUrl();
  }

  Portal portal;
  PlaylistResolver resolver;
  QSignalSpy resolved{&resolver, &PlaylistResolver::resolved};
  QSignalSpy failed{&resolver, &PlaylistResolver::failed};
};

} // namespace

TEST_F(Resolver, PlaylistsLeadToTheirStreams) {
  EXPECT_EQ(resolve("/lattemiele.asx"), QUrl(portal.url("/radio/lattemiele.wav")));
  EXPECT_EQ(resolve("/player/rindigital.asx"), QUrl(portal.url("/radio/italia.wav")));
  EXPECT_EQ(resolve("/liste/nested.asx"), QUrl(portal.url("/radio/lattemiele.wav")));
  // A playlist naming itself is followed three steps, then handed on as it is.
  portal.requests.clear();
  EXPECT_EQ(resolve("/loop.asx"), QUrl(portal.url("/loop.asx")));
  EXPECT_EQ(portal.requests.count("/loop.asx"), 4);
  EXPECT_EQ(failed.count(), 0);
}

TEST_F(Resolver, MissingPlaylistFails) {
  EXPECT_EQ(resolve("/nessuna.asx"), QUrl());
  EXPECT_EQ(failed.count(), 1);
}

TEST_F(Resolver, DroppedRequestsSayNothing) {
  // A newer request replaces the one running; a cancelled one is never heard of.
  resolver.resolve(QUrl(portal.url("/player/rindigital.asx")));
  EXPECT_EQ(resolve("/lattemiele.asx"), QUrl(portal.url("/radio/lattemiele.wav")));
  resolver.resolve(QUrl(portal.url("/player/rindigital.asx")));
  EXPECT_TRUE(resolver.busy());
  resolver.cancel();
  EXPECT_FALSE(resolver.busy());
  EXPECT_FALSE(resolved.wait(1000));
  EXPECT_TRUE(resolved.isEmpty());
  EXPECT_EQ(failed.count(), 0);
}

TEST_F(Resolver, APlaylistWithoutEndFailsWithinItsBounds) {
  // An address that streams audio: given up once more than 64 KB came, at once.
  QElapsedTimer clock;
  clock.start();
  EXPECT_EQ(resolve("/senza-fine/audio.asx"), QUrl());
  EXPECT_EQ(failed.count(), 1);
  EXPECT_LT(clock.elapsed(), 3000);

  // A body without end that never falls silent: given up when its time is out.
  PlaylistResolver quick(nullptr, PlaylistResolver::kMaxBytes, 1500);
  QSignalSpy quickFailed(&quick, &PlaylistResolver::failed);
  clock.restart();
  quick.resolve(QUrl(portal.url("/senza-fine/goccia.asx")));
  ASSERT_TRUE(quickFailed.wait(5000));
  EXPECT_GE(clock.elapsed(), 1400);
  EXPECT_FALSE(quick.busy());
  EXPECT_EQ(PlaylistResolver::kMaxBytes, 64 * 1024);
  EXPECT_EQ(PlaylistResolver::kMaxMs, 15000);
}
