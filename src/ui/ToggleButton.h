#pragma once
// A check box drawn as a push button: it stays down while its value is 1 and
// wraps its caption over as many lines as the button needs.
#include <QPushButton>
#include <cstdint>

class ToggleButton : public QPushButton {
  Q_OBJECT
public:
  explicit ToggleButton(const QString& caption, QWidget* parent);
  int value() const { return isChecked() ? 1 : 0; }
  void setValue(int v) { setChecked(v != 0); }
  // Colours and font of the design; a button that is down shows a darker face.
  void setLook(std::uint32_t back, const QFont& f);

protected:
  void paintEvent(QPaintEvent* e) override;
};
