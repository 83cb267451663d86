#include "media/music.h"

#include "core/config.h"
#include "slv_defaults.h"

#include <cmath>

namespace slv::media {

std::string fileAddress(const std::string& folder, const std::string& name) {
  return folder + "/" + name;
}

std::optional<int> nextEntry(int listIndex, int listCount) {
  if (listIndex < listCount - 1)
    return listIndex + 1;
  return std::nullopt;
}

bool inLastWholeSecond(std::optional<double> position, std::optional<double> duration) {
  // Compared as doubles: a stream may report an infinite or undefined length,
  // which must simply not match.
  const double p = std::trunc(position.value_or(0.0));
  const double d = std::trunc(duration.value_or(0.0));
  return d - 1.0 == p;
}

std::optional<int> tickAdvance(std::optional<double> position, std::optional<double> duration,
                               bool playing, bool sequencePlay, int listIndex, int listCount) {
  // Stopped, the position reads 0, which is the last whole second of an item
  // between one and two seconds long: such an item would start the next one
  // after Stop, and be cut off as soon as it started.
  if (!playing || !sequencePlay || std::trunc(duration.value_or(0.0)) < 2.0 ||
      !inLastWholeSecond(position, duration))
    return std::nullopt;
  return nextEntry(listIndex, listCount);
}

const StationInfo& station(Station s) {
  static const StationInfo latteMiele{"Latte e Miele", "/lattemiele.asx",
                                      "Stai Ascoltando > RADIO LATTE E MIELE",
                                      "SLV_LATTEMIELE_HOST", SLV_DEFAULT_LATTEMIELE_HOST};
  static const StationInfo radioItalia{"Radio Italia", "/player/rindigital.asx",
                                       "Stai Ascoltando > RADIO ITALIA NETWORK",
                                       "SLV_RADIOITALIA_HOST", SLV_DEFAULT_RADIOITALIA_HOST};
  return s == Station::LatteMiele ? latteMiele : radioItalia;
}

std::string stationPlaylistAddress(Station s) {
  const StationInfo& st = station(s);
  return config::httpAddress(configValue(st.hostEnv, st.hostDefault), st.path);
}

std::optional<std::string> listeningText(bool radioMode, std::optional<Station> highlighted,
                                         const std::string& sourceAddress) {
  if (!radioMode)
    return "Stai Ascoltando > " + sourceAddress;
  if (highlighted)
    return std::string(station(*highlighted).listening);
  return std::nullopt;
}

} // namespace slv::media
