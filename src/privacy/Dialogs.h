#pragma once
// What the two password dialogs share: their window and their buttons.
#include <QString>
#include <cstdint>

class Platform;
class QDialog;
class QPushButton;
class QWidget;

namespace slv::privacy {

inline constexpr std::uint32_t kDialogBack = 0x00FF8080;
// The captions are padded with spaces, which pushed them to the middle of the
// title bar where the dialogs were first drawn.
inline const QString kCaptionPad = QString(26, u' ');

// A fixed tool window of the given client size (twips), centred on the screen.
void setUpDialog(QDialog* d, Platform& platform, const QString& caption, int widthTwips,
                 int heightTwips);
QPushButton* dialogButton(QWidget* parent, const QString& caption, int left, int top, int width,
                          int height, std::uint32_t backBgr);

} // namespace slv::privacy
