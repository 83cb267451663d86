#pragma once
// The composer's look, shared by its mode files: colours and the few kinds of
// control every mode is made of.
#include <QFont>
#include <QString>
#include <cstdint>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace composer_look {

inline const QString kComposer = QStringLiteral("Composer"); // message box title
inline constexpr std::uint32_t kPanelBack = 0x00FF8080;
inline constexpr std::uint32_t kModeBack = 0x00FFC0C0;
inline constexpr std::uint32_t kLabelColor = 0x00C00000;

// A graphical option button or check box: a push button that stays down.
QPushButton* toggleButton(QWidget* parent, const QString& caption, int left, int top, int width,
                          int height, std::uint32_t back, const QFont& f);
void setButtonTextColor(QPushButton* b, std::uint32_t fore);
// Graphical option buttons where none may be selected: the group is exclusive
// only while a button is being chosen.
void unselectAll(QButtonGroup* g);
// A multi-line box on the mode's ground; fore -1 keeps the default text colour.
QPlainTextEdit* multiLineBox(QWidget* parent, int left, int top, int width, int height,
                             const QFont& f, std::int64_t fore = kLabelColor);
QLineEdit* lineBox(QWidget* parent, int left, int top, int width, int height, const QFont& f);
// A mode's OK button, disabled until the mode has what it needs.
QPushButton* okButton(QWidget* parent, int left, int top, int width, int height);
// A thin separator line of the formatted-text frame.
void line(QWidget* parent, int left, int top, int width, int height);

} // namespace composer_look
