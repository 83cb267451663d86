#pragma once
// Station playlists in the redirector format. Neither playback engine reads
// them, so the player resolves them to the stream they name before playing.
#include <optional>
#include <string>
#include <string_view>

namespace slv::asx {

// True when an address names such a playlist: a web address whose path ends
// in ".asx" (any case), query and fragment aside.
bool isPlaylistAddress(std::string_view address);

// The stream a playlist names: the first reference of its first entry that has
// one, in the XML form (<asx><entry><ref href="..."/></entry></asx>, tags and
// attribute names in any case, quoted or bare values, entities decoded), or
// the first reference of the [Reference] section of the INI form (Ref1=...).
// Nothing when the text is neither form or names no stream.
std::optional<std::string> firstReference(std::string_view playlist);

// GStreamer here speaks no MMS; the servers that offer an mms:// address also
// serve the same stream over HTTP.
std::string playableAddress(const std::string& reference);

} // namespace slv::asx
