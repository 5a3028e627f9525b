// The yardstick of the start-up benchmark: a bare toolkit window of the launcher's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setFixedSize(1002, 712);
  window.setWindowTitle("bare");
  window.show();
  return application.exec();
}
