// PictureButton: a launcher button without caption or face of its own, over its label in the
// background picture.
#pragma once

#include <QAbstractButton>

// Transparent at rest; under the pointer a light rounded outline, pressed a dark veil. It paints
// itself, so the launcher needs no style sheet, which costs the first showing far more.
class PictureButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit PictureButton(QWidget* parent = nullptr);

  // What the button draws in its present state.
  enum class Look { Rest, Hover, Pressed };
  Look look() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  bool hovered_ = false;
};
