// The launcher's picture buttons: their three looks, painted directly.
#include "app/picture_button.h"

#include <QEnterEvent>
#include <QPainter>

namespace {

constexpr qreal kCornerRadius = 6;
const QColor kHoverOutline(255, 255, 255, 170);
const QColor kPressedVeil(0, 0, 0, 40);

}  // namespace

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent) {
  setFocusPolicy(Qt::NoFocus);
  setCursor(Qt::PointingHandCursor);
}

PictureButton::Look PictureButton::look() const {
  if (isDown()) return Look::Pressed;
  return hovered_ ? Look::Hover : Look::Rest;
}

void PictureButton::paintEvent(QPaintEvent*) {
  const Look now = look();
  if (now == Look::Rest) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (now == Look::Pressed) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPressedVeil);
    painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
  } else {
    painter.setPen(QPen(kHoverOutline, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), kCornerRadius,
                            kCornerRadius);
  }
}

void PictureButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}
