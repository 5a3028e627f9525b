// Writes the launcher's face, the five entry previews and the intro animation under <data>/images.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <cstdio>

#include "face.h"
#include "gif_writer.h"
#include "intro_animation.h"
#include "previews.h"

namespace {

constexpr int kJpegQuality = 92;
// 96 dpi, stated so the JPEG header does not depend on the machine's screen.
constexpr int kDotsPerMeter = 3780;

bool save_jpeg(QImage image, const QString& path) {
  image.setDotsPerMeterX(kDotsPerMeter);
  image.setDotsPerMeterY(kDotsPerMeter);
  QImageWriter writer(path, "jpeg");
  writer.setQuality(kJpegQuality);
  if (!writer.write(image)) {
    std::fprintf(stderr, "make_launcher_art: cannot write %s: %s\n", qPrintable(path),
                 qPrintable(writer.errorString()));
    return false;
  }
  return true;
}

bool save_animation(const QString& path) {
  const tavrel::art::IntroAnimation animation = tavrel::art::make_intro_animation();
  tavrel::art::GifWriter writer(tavrel::art::kIntroSize, animation.palette);
  for (const auto& frame : animation.frames) writer.add_frame(frame.image, frame.delay_cs);
  if (!writer.save(path)) {
    std::fprintf(stderr, "make_launcher_art: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_launcher_art DATA_FOLDER\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QDir images(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("images")));
  if (!QDir().mkpath(images.path())) {
    std::fprintf(stderr, "make_launcher_art: cannot create %s\n", qPrintable(images.path()));
    return 1;
  }

  bool ok = save_jpeg(tavrel::art::draw_face(), images.filePath(QStringLiteral("face.jpg")));
  for (int entry = 1; entry <= tavrel::art::kPreviewCount; ++entry) {
    ok = save_jpeg(tavrel::art::draw_preview(entry),
                   images.filePath(QStringLiteral("%1.jpg").arg(entry))) &&
         ok;
  }
  // The launcher asks for this name and lets QMovie sniff the format, which is GIF.
  ok = save_animation(images.filePath(QStringLiteral("show.swf"))) && ok;
  return ok ? 0 : 1;
}
