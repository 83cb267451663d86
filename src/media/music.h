#pragma once
// Rules of the music module that need no widget: the address of a chosen file,
// when the next file starts, what the mini bar says is playing, and the two
// radio stations.
#include <optional>
#include <string>

namespace slv::media {

// The player's play state while it plays; every other value counts as not playing.
inline constexpr int kPlaying = 3;

// What the information label says while nothing plays.
inline const std::string kSilence(35, ' ');

// The address of a file of the list: folder, "/", name. The separator is
// always added, so a root folder gives a double slash ("C:\/a.mp3", "//a.mp3").
std::string fileAddress(const std::string& folder, const std::string& name);

// The entry that follows the selected one (-1: none selected, so the first),
// or nothing at the last entry and in an empty list.
std::optional<int> nextEntry(int listIndex, int listCount);

// True while the position lies in the last whole second before the whole
// duration: whole(D) - 1 == whole(P). A reading the player cannot give counts
// as 0, so a stream without a duration never qualifies.
bool inLastWholeSecond(std::optional<double> position, std::optional<double> duration);

// The entry the position tick selects next, if any: while the player plays,
// in the last whole second, with sequence play on, and not at the last entry.
// An item shorter than two whole seconds is left to play to its end (the
// end-of-stream notice moves on then): its last whole second is its first.
std::optional<int> tickAdvance(std::optional<double> position, std::optional<double> duration,
                               bool playing, bool sequencePlay, int listIndex, int listCount);

enum class Station { LatteMiele, RadioItalia };

struct StationInfo {
  const char* caption;    // the button's caption
  const char* path;       // path of the playlist on the station's server
  const char* listening;  // what the mini bar says while it plays
  const char* hostEnv;    // environment variable naming the server
  const char* hostDefault;
};

const StationInfo& station(Station s);
// "http://" + the configured server + the playlist path.
std::string stationPlaylistAddress(Station s);

// The listening text for a playing player: the highlighted station's text in
// radio mode, "Stai Ascoltando > " and the source address otherwise. Radio mode
// with no station highlighted leaves the text as it was (nothing returned).
std::optional<std::string> listeningText(bool radioMode, std::optional<Station> highlighted,
                                         const std::string& sourceAddress);

} // namespace slv::media
