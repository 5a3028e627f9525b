// The launcher's picture buttons: invisible at rest, an outline under the pointer, a veil when
// pressed, and a click that reaches the handler.
#include "app/picture_button.h"

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

// A grey window with one button at (10, 10, 60, 30), as the launcher's background is behind its
// buttons.
class PictureButtonOnGrey : public ::testing::Test {
 protected:
  PictureButtonOnGrey() {
    window_.setFixedSize(80, 50);
    window_.setAutoFillBackground(true);
    QPalette grey = window_.palette();
    grey.setColor(QPalette::Window, QColor(128, 128, 128));
    window_.setPalette(grey);
    button_->setGeometry(10, 10, 60, 30);
  }

  QRgb pixel(QPoint at) { return window_.grab().toImage().pixel(at); }
  void hover(bool inside) {
    if (inside) {
      QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
      QApplication::sendEvent(button_, &enter);
    } else {
      QEvent leave(QEvent::Leave);
      QApplication::sendEvent(button_, &leave);
    }
  }

  QWidget window_;
  PictureButton* button_ = new PictureButton(&window_);
  const QPoint top_edge_{40, 10};
  const QPoint middle_{40, 25};
};

TEST_F(PictureButtonOnGrey, ShowsThePictureAtRestAnOutlineUnderThePointerAndAVeilWhenPressed) {
  EXPECT_EQ(button_->look(), PictureButton::Look::Rest);
  EXPECT_EQ(qGray(pixel(top_edge_)), 128);
  EXPECT_EQ(qGray(pixel(middle_)), 128);

  hover(true);
  EXPECT_EQ(button_->look(), PictureButton::Look::Hover);
  EXPECT_GT(qGray(pixel(top_edge_)), 150) << "a light outline";
  EXPECT_EQ(qGray(pixel(middle_)), 128) << "the label in the picture stays clear";

  button_->setDown(true);
  EXPECT_EQ(button_->look(), PictureButton::Look::Pressed);
  EXPECT_LT(qGray(pixel(middle_)), 120) << "a dark veil";

  button_->setDown(false);
  hover(false);
  EXPECT_EQ(button_->look(), PictureButton::Look::Rest);
  EXPECT_EQ(qGray(pixel(top_edge_)), 128);
}

TEST_F(PictureButtonOnGrey, AClickReachesItsHandlerAndTheButtonTakesNoFocus) {
  window_.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  QSignalSpy clicked(button_, &PictureButton::clicked);
  QTest::mouseClick(button_, Qt::LeftButton, {}, QPoint(30, 15));
  EXPECT_EQ(clicked.count(), 1);
  EXPECT_NE(QApplication::focusWidget(), button_);
  EXPECT_EQ(button_->cursor().shape(), Qt::PointingHandCursor);
}

}  // namespace
