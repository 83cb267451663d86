#include "composer/ImageWindows.h"

#include "imagesearch/frmSearchImages.h"
#include "imagesearch/frmShowImage.h"
#include "platform/Platform.h"
#include "shell/frmNRV_SLV3.h"

namespace slv::composer {

void showImagePreview(frmNRV_SLV3& owner) {
  frmShowImage window(owner.platform(), owner.app(), &owner);
  owner.platform().showModal(window);
}

void showImageSearch(frmNRV_SLV3& owner) {
  frmSearchImages window(owner.platform(), owner.app(), &owner);
  owner.platform().showModal(window);
}

} // namespace slv::composer
