// The music module's rules: file address, advance to the next file, listening
// text, stations, and the station playlists.
#include "core/asx.h"
#include "media/music.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <limits>

using namespace slv::media;

TEST(MusicAddress, SlashIsAlwaysAdded) {
  EXPECT_EQ(fileAddress("C:\\", "a.mp3"), "C:\\/a.mp3");
  EXPECT_EQ(fileAddress("C:\\Musica", "a.mp3"), "C:\\Musica/a.mp3");
  EXPECT_EQ(fileAddress("/", "a.wav"), "//a.wav");
  EXPECT_EQ(fileAddress("/home/ugo/Musica", "Già fatto.mp3"), "/home/ugo/Musica/Già fatto.mp3");
}

TEST(MusicAdvance, LastWholeSecondBeforeTheEnd) {
  // 200 s: the window is [199, 200), i.e. 1.0 s before the end.
  EXPECT_FALSE(inLastWholeSecond(198.99, 200.0));
  EXPECT_TRUE(inLastWholeSecond(199.0, 200.0));
  EXPECT_TRUE(inLastWholeSecond(199.99, 200.0));
  EXPECT_FALSE(inLastWholeSecond(200.0, 200.0));
  // 200.9 s: the same window, now 1.9 s before the true end.
  EXPECT_TRUE(inLastWholeSecond(199.0, 200.9));
  EXPECT_FALSE(inLastWholeSecond(200.5, 200.9));
  // Shorter than two seconds: its first second is its last (the tick leaves it alone).
  EXPECT_TRUE(inLastWholeSecond(0.0, 1.5));
  EXPECT_TRUE(inLastWholeSecond(0.95, 1.0));
  EXPECT_FALSE(inLastWholeSecond(1.2, 1.5));
  // Shorter than one second: never (the end-of-stream notice does it).
  EXPECT_FALSE(inLastWholeSecond(0.0, 0.8));
  EXPECT_FALSE(inLastWholeSecond(0.5, 0.8));
}

TEST(MusicAdvance, MissingReadingsCountAsZero) {
  // A stream with no duration never qualifies, wherever it is.
  EXPECT_FALSE(inLastWholeSecond(0.0, 0.0));
  EXPECT_FALSE(inLastWholeSecond(std::nullopt, std::nullopt));
  EXPECT_FALSE(inLastWholeSecond(35.0, std::nullopt));
  // No position but a two-second item: position 0 lies in its last whole second.
  EXPECT_TRUE(inLastWholeSecond(std::nullopt, 1.7));
  // Lengths an engine may report for live streams.
  EXPECT_FALSE(inLastWholeSecond(5.0, std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(inLastWholeSecond(5.0, std::nan("")));
}

TEST(MusicAdvance, NextEntryAndTheTick) {
  EXPECT_EQ(nextEntry(-1, 3), 0);  // nothing selected: the first
  EXPECT_EQ(nextEntry(0, 3), 1);
  EXPECT_EQ(nextEntry(2, 3), std::nullopt);  // the last: no wrap
  EXPECT_EQ(nextEntry(-1, 0), std::nullopt);
  EXPECT_EQ(nextEntry(0, 1), std::nullopt);

  EXPECT_EQ(tickAdvance(199.2, 200.0, true, true, 0, 3), 1);
  EXPECT_EQ(tickAdvance(199.2, 200.0, true, false, 0, 3), std::nullopt);
  EXPECT_EQ(tickAdvance(199.2, 200.0, true, true, 2, 3), std::nullopt);
  EXPECT_EQ(tickAdvance(150.0, 200.0, true, true, 0, 3), std::nullopt);
  EXPECT_EQ(tickAdvance(std::nullopt, std::nullopt, true, true, -1, 3), std::nullopt);
  // Two whole seconds: the second one is the last.
  EXPECT_EQ(tickAdvance(1.0, 2.0, true, true, 0, 3), 1);
  EXPECT_EQ(tickAdvance(0.9, 2.9, true, true, 0, 3), std::nullopt);
}

TEST(MusicAdvance, StopMeansStopAndShortItemsPlayWhole) {
  // Stopped or paused, the tick never starts the next item, wherever the
  // position stands (0 after Stop, held by a pause).
  EXPECT_EQ(tickAdvance(0.0, 1.5, false, true, 0, 3), std::nullopt);
  EXPECT_EQ(tickAdvance(199.5, 200.0, false, true, 0, 3), std::nullopt);
  // Under two whole seconds the item plays to its end; the end of stream moves on.
  for (double pos : {0.0, 0.3, 0.99})
    EXPECT_EQ(tickAdvance(pos, 1.5, true, true, 0, 3), std::nullopt) << pos;
  EXPECT_EQ(tickAdvance(std::nullopt, 1.7, true, true, 0, 3), std::nullopt);
  EXPECT_EQ(tickAdvance(0.0, 1.0, true, true, 0, 3), std::nullopt);
}

TEST(MusicListening, FileOrHighlightedStation) {
  EXPECT_EQ(listeningText(false, std::nullopt, "/home/ugo/a.wav"), "Stai Ascoltando > /home/ugo/a.wav");
  // Out of radio mode the highlight does not count.
  EXPECT_EQ(listeningText(false, Station::RadioItalia, "//a.wav"), "Stai Ascoltando > //a.wav");
  EXPECT_EQ(listeningText(true, Station::LatteMiele, "http://x/s"), "Stai Ascoltando > RADIO LATTE E MIELE");
  EXPECT_EQ(listeningText(true, Station::RadioItalia, "http://x/s"), "Stai Ascoltando > RADIO ITALIA NETWORK");
  EXPECT_EQ(listeningText(true, std::nullopt, "http://x/s"), std::nullopt);
  EXPECT_EQ(kSilence, std::string(35, ' '));
}

TEST(MusicStations, ConfiguredHostsAndFixedPaths) {
  EXPECT_STREQ(station(Station::LatteMiele).caption, "Latte e Miele");
  EXPECT_STREQ(station(Station::RadioItalia).caption, "Radio Italia");
  ::unsetenv("SLV_LATTEMIELE_HOST");
  ::unsetenv("SLV_RADIOITALIA_HOST");
  const std::string lm = stationPlaylistAddress(Station::LatteMiele);
  EXPECT_EQ(lm.rfind("http://", 0), 0u);
  EXPECT_EQ(lm.substr(lm.size() - 15), "/lattemiele.asx");
  EXPECT_NE(lm.find(".example/"), std::string::npos);
  ::setenv("SLV_LATTEMIELE_HOST", "127.0.0.1:8080", 1);
  ::setenv("SLV_RADIOITALIA_HOST", "radio.test", 1);
  EXPECT_EQ(stationPlaylistAddress(Station::LatteMiele), "http://127.0.0.1:8080/lattemiele.asx");
  EXPECT_EQ(stationPlaylistAddress(Station::RadioItalia), "http://radio.test/player/rindigital.asx");
  ::unsetenv("SLV_LATTEMIELE_HOST");
  ::unsetenv("SLV_RADIOITALIA_HOST");
}

using slv::asx::firstReference;

TEST(StationPlaylist, TagsInAnyCase) {
  EXPECT_EQ(firstReference("<ASX version=\"3.0\"><ENTRY><REF HREF=\"http://s.example/live\"/></ENTRY></ASX>"),
            "http://s.example/live");
  EXPECT_EQ(firstReference("<asx version=\"3.0\">\n <entry>\n  <ref href='mms://s.example/live' />\n"
                           " </entry>\n</asx>\n"),
            "mms://s.example/live");
  EXPECT_EQ(firstReference("<Asx Version=3.0><Entry><Title>Diretta</Title>"
                           "<Ref Href = http://s.example/a?x=1&amp;y=2 /></Entry></Asx>"),
            "http://s.example/a?x=1&y=2");
  // Unescaped ampersands, as many servers write them, pass through.
  EXPECT_EQ(firstReference("<asx><entry><ref href=\"http://s/a?b=1&c=2\"></ref></entry></asx>"),
            "http://s/a?b=1&c=2");
}

TEST(StationPlaylist, FirstEntryWins) {
  const char* two =
      "<asx version=\"3.0\"><title>Radio</title>\n"
      "<!-- <entry><ref href=\"http://commented.example/\"/></entry> -->\n"
      "<entry><title>no stream here</title></entry>\n"
      "<entry><ref href=\"http://first.example/a\"/><ref href=\"http://first.example/b\"/></entry>\n"
      "<entry><ref href=\"http://second.example/\"/></entry></asx>";
  EXPECT_EQ(firstReference(two), "http://first.example/a");
  // A quoted '>' does not end the tag.
  EXPECT_EQ(firstReference("<asx><entry><ref title=\"a > b\" href=\"http://q.example/\"/></entry></asx>"),
            "http://q.example/");
}

TEST(StationPlaylist, IniForm) {
  EXPECT_EQ(firstReference("[Reference]\r\nRef1=http://s.example/live?MSWMExt=.asf\r\nRef2=http://b/\r\n"),
            "http://s.example/live?MSWMExt=.asf");
  EXPECT_EQ(firstReference("\xEF\xBB\xBF[reference]\nref2 = http://two/\nREF1 = http://one/\n"), "http://one/");
  EXPECT_EQ(firstReference("[Other]\nRef1=http://no/\n[Reference]\nRef2=http://yes/\n"), "http://yes/");
}

TEST(StationPlaylist, BrokenOrForeignTextNamesNothing) {
  EXPECT_EQ(firstReference(""), std::nullopt);
  EXPECT_EQ(firstReference("<html><body>404 Not Found</body></html>"), std::nullopt);
  EXPECT_EQ(firstReference("<asx><entry><ref></entry></asx>"), std::nullopt);
  EXPECT_EQ(firstReference("<asx><entry><ref href=\"\"/></entry></asx>"), std::nullopt);
  EXPECT_EQ(firstReference("<asx><entry><ref href=\"http://cut.example/"), std::nullopt);
  EXPECT_EQ(firstReference("<entry><ref href=\"http://no-playlist/\"/></entry>"), std::nullopt);
  EXPECT_EQ(firstReference("<asx><ref href=\"http://outside-entry/\"/></asx>"), std::nullopt);
  EXPECT_EQ(firstReference("[Reference]\nRef1=\nReference=http://x/\n"), std::nullopt);
}

TEST(StationPlaylist, AddressesAndSchemes) {
  using slv::asx::isPlaylistAddress;
  using slv::asx::playableAddress;
  EXPECT_TRUE(isPlaylistAddress("http://s.example/lattemiele.asx"));
  EXPECT_TRUE(isPlaylistAddress("http://s.example/player/RINDIGITAL.ASX?x=1"));
  EXPECT_FALSE(isPlaylistAddress("http://s.example/stream.wav"));
  EXPECT_FALSE(isPlaylistAddress("/home/ugo/playlist.asx"));  // a local file plays as a file
  EXPECT_EQ(playableAddress("mms://s.example/live"), "http://s.example/live");
  EXPECT_EQ(playableAddress("MMSH://s.example/live"), "http://s.example/live");
  EXPECT_EQ(playableAddress("http://s.example/live"), "http://s.example/live");
}
