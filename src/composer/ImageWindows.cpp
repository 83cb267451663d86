#include "composer/ImageWindows.h"

#include "platform/Platform.h"
#include "shell/frmNRV_SLV3.h"

#if __has_include("imagesearch/frmShowImage.h") && __has_include("imagesearch/frmSearchImages.h")
#include "imagesearch/frmSearchImages.h"
#include "imagesearch/frmShowImage.h"
#define SLV_HAVE_IMAGE_WINDOWS 1
#else
#include <QDialog>
#endif

namespace composer {

#ifdef SLV_HAVE_IMAGE_WINDOWS

void showImagePreview(frmNRV_SLV3& owner) {
  frmShowImage window(owner.platform(), owner.app(), &owner);
  owner.platform().showModal(window);
}

void showImageSearch(frmNRV_SLV3& owner) {
  frmSearchImages window(owner.platform(), owner.app(), &owner);
  owner.platform().showModal(window);
}

#else

// Until the image windows are part of the build, an empty modal window
// stands in for each.
void showImagePreview(frmNRV_SLV3& owner) {
  QDialog window(&owner);
  window.setWindowTitle(QStringLiteral("Mostra Immagine"));
  owner.platform().showModal(window);
}

void showImageSearch(frmNRV_SLV3& owner) {
  QDialog window(&owner);
  window.setWindowTitle(QStringLiteral("  RICERCA IMMAGINI "));
  owner.platform().showModal(window);
}

#endif

} // namespace composer
