#pragma once
// The two browser windows the image mode opens, each shown modally.
class frmNRV_SLV3;

namespace slv::composer {

// The preview of the address in NRV_SLV3::ImageURL; returns once it is closed.
void showImagePreview(frmNRV_SLV3& owner);
// The image search window; nothing comes back from it.
void showImageSearch(frmNRV_SLV3& owner);

} // namespace slv::composer
