#include "composer/ImageWindows.h"

#include "imagesearch/frmSearchImages.h"
#include "imagesearch/frmShowImage.h"
#include "desktop/Platform.h"
#include "ui/PanelHost.h"

namespace slv::composer {

void showImagePreview(PanelHost& host) {
  frmShowImage window(host.platform(), host.app(), host.hostWindow());
  host.platform().showModal(window);
}

void showImageSearch(PanelHost& host) {
  frmSearchImages window(host.platform(), host.app(), host.hostWindow());
  host.platform().showModal(window);
}

} // namespace slv::composer
