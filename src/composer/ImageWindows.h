#pragma once
// The two browser windows the image mode opens, each shown modally over the
// host's window.
class PanelHost;

namespace slv::composer {

// The preview of the address in NRV_SLV3::ImageURL; returns once it is closed.
void showImagePreview(PanelHost& host);
// The image search window; nothing comes back from it.
void showImageSearch(PanelHost& host);

} // namespace slv::composer
