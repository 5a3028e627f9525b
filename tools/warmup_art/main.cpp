// Writes the warm-up window's pictures under <data>/images/warmup and its faces under <data>/files.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <cstdio>

#include "pictures.h"

namespace {

// 96 dpi, stated so that the files do not depend on the machine's screen.
constexpr int kDotsPerMeter = 3780;

bool save(QImage image, const QDir& folder, const char* name, const char* format) {
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  const QString path = folder.filePath(QString::fromLatin1(name));
  QImageWriter writer(path, format);
  if (!writer.write(image)) {
    std::fprintf(stderr, "make_warmup_art: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_warmup_art DATA_FOLDER\n");
    return 2;
  }
  const QDir data(QString::fromLocal8Bit(argv[1]));
  const QDir images(data.filePath(QStringLiteral("images/warmup")));
  const QDir files(data.filePath(QStringLiteral("files")));
  for (const QDir& folder : {images, files}) {
    if (!QDir().mkpath(folder.path())) {
      std::fprintf(stderr, "make_warmup_art: cannot create %s\n", qPrintable(folder.path()));
      return 1;
    }
  }

  using namespace tavrel::warmup_art;
  bool ok = save(draw_digits(), images, "digits.png", "png");
  ok &= save(draw_rabbit(), images, "rabbit.png", "png");
  ok &= save(draw_start_button(), images, "start.png", "png");
  ok &= save(draw_keypad(false), images, "keypad.png", "png");
  ok &= save(draw_keypad(true), images, "keypad_down.png", "png");
  ok &= save(draw_classic_background(), images, "classic.png", "png");
  ok &= save(draw_face_start(), files, "facestart.bmp", "bmp");
  ok &= save(draw_face_laugh(), files, "facelaugh.bmp", "bmp");
  ok &= save(draw_face_cry(), files, "facec.bmp", "bmp");
  return ok ? 0 : 1;
}
