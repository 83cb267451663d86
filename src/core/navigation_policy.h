#pragma once
// Where a browser pane may go. Addresses the program or the user typed are
// followed as typed; a page may only lead to web addresses, never to the
// user's files, to script addresses or to the browser's own pages, and hands
// an address to another program only when the user clicked a link to it.
#include <string>
#include <string_view>
#include <vector>

namespace slv {

// Who asked for a navigation.
enum class NavigationSource {
  Typed,     // the program's navigate calls: addresses the user or the program typed
  History,   // back, forward or reload of a page the pane already showed
  LinkClick, // a link in the page (scripts that set the location count as this too)
  PageOther, // a form, a script, a server or page redirect, a frame of the page
};

// The scheme of an address, lower case, without the colon; empty when the
// address has none ("www.example.com", "/path", "C:\\file" count as none).
std::string schemeOf(std::string_view address);

// Whether a pane follows a navigation to address. mainFrame is false for the
// frames inside a page.
bool navigationAllowed(std::string_view address, NavigationSource source, bool mainFrame);

// Whether a page's request to open address in a new window is followed in the
// same pane. The panes have no other windows; a blank window (what a script
// opens to write into) shows nothing there and is dropped.
bool followNewWindow(std::string_view address, bool userInitiated);

// Whether a link the member clicked leads to a site other than the program's
// own, to be opened in the desktop's browser. Only web addresses (http,
// https) do. ownSites are the hosts as configured: "host", "host:port", with a
// path or not, or a whole "http://" address. Hosts match whatever their case
// and a final dot; international names are compared in the form given (the
// engine gives them in their ASCII form). An own host without a port stands
// for the scheme's usual one, and only for it.
bool isOtherSite(std::string_view address, const std::vector<std::string>& ownSites);

} // namespace slv
