// The launcher: hover previews, the intro animation, documents, the online page and the exit
// question.
#include "app/face01.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMouseEvent>
#include <QPixmap>

#include "app/built_in_pictures.h"
#include "app/online_page.h"
#include "app/startup.h"
#include "common/data_path.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/platform.h"
#include "platform/qt_text.h"
#include "platform/window_place.h"

Tpreface01* preface01 = nullptr;

Tpreface01::Tpreface01(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowTitleHint) {
  setObjectName("Tpreface01");
  setWindowTitle(QString::fromUtf8(tavrel::kProgramTitle));
  setFixedSize(1002, 712);
  setFont(tavrel::song_font(12));
  ProgramPath = QCoreApplication::applicationFilePath().toStdString();

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setGeometry(0, 0, 1002, 712);
  Image1->setPixmap(QPixmap::fromImage(tavrel::image_of(tavrel::kLauncherBackground)));
  Image1->setMouseTracking(true);
  Image1->installEventFilter(this);

  Image2 = new QLabel(this);
  Image2->setObjectName("Image2");
  Image2->setGeometry(208, 128, 297, 424);
  Image2->setScaledContents(true);
  Image2->setMouseTracking(true);
  Image2->installEventFilter(this);

  SpeedButton1 = make_button("SpeedButton1", {83, 126, 106, 39});
  SpeedButton2 = make_button("SpeedButton2", {83, 186, 106, 39});
  SpeedButton3 = make_button("SpeedButton3", {83, 245, 106, 39});
  SpeedButton4 = make_button("SpeedButton4", {83, 304, 106, 39});
  SpeedButton5 = make_button("SpeedButton5", {83, 363, 106, 39});
  SpeedButton9 = make_button("SpeedButton9", {491, 639, 78, 34});
  SpeedButton8 = make_button("SpeedButton8", {611, 639, 78, 34});
  SpeedButton6 = make_button("SpeedButton6", {731, 639, 78, 34});
  SpeedButton7 = make_button("SpeedButton7", {847, 639, 78, 34});
  const std::pair<PictureButton*, void (Tpreface01::*)()> clicks[] = {
      {SpeedButton1, &Tpreface01::SpeedButton1Click},
      {SpeedButton2, &Tpreface01::SpeedButton2Click},
      {SpeedButton3, &Tpreface01::SpeedButton3Click},
      {SpeedButton4, &Tpreface01::SpeedButton4Click},
      {SpeedButton5, &Tpreface01::SpeedButton5Click},
      {SpeedButton6, &Tpreface01::SpeedButton6Click},
      {SpeedButton7, &Tpreface01::SpeedButton7Click},
      {SpeedButton8, &Tpreface01::SpeedButton8Click},
      {SpeedButton9, &Tpreface01::SpeedButton9Click}};
  for (auto [button, handler] : clicks)
    connect(button, &PictureButton::clicked, this,
            tavrel::guard([this, handler] { (this->*handler)(); }));

  ShockwaveFlash1 = new FlashPlayer(this);
  ShockwaveFlash1->setObjectName("ShockwaveFlash1");
  ShockwaveFlash1->setGeometry(72, 424, 129, 129);
  ShockwaveFlash1->hide();

  tavrel::centre_on_screen(*this);
}

// A button without caption: its label is part of the background picture.
PictureButton* Tpreface01::make_button(const char* name, QRect place) {
  auto* button = new PictureButton(this);
  button->setObjectName(name);
  button->setGeometry(place);
  button->setMouseTracking(true);
  button->installEventFilter(this);
  return button;
}

bool Tpreface01::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    tavrel::guarded([&] {
      if (watched == Image1) {
        Image1MouseMove();
        return;
      }
      const PictureButton* hover[] = {SpeedButton1, SpeedButton2, SpeedButton3, SpeedButton4,
                                      SpeedButton5};
      for (int i = 0; i < 5; ++i)
        if (watched == hover[i]) SpeedButtonMouseMove(i + 1);
    });
  }
  return QWidget::eventFilter(watched, event);
}

void Tpreface01::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) tavrel::guarded([this] { FormShow(); });
}

void Tpreface01::FormShow() {
  // The executable's folder, or for an installed program the shared data tree.
  const bool has_folder = ProgramPath.find('/') != std::string::npos;
  program_dir_ = has_folder ? tavrel::program_dir_for_executable(ProgramPath) : std::string();
  tavrel::set_program_dir_of_windows(program_dir_);
  auto movie = tavrel::resolve_path(program_dir_ + "images\\show.swf");
  if (std::filesystem::exists(movie))
    ShockwaveFlash1->set_movie(QString::fromStdString(movie.string()));
}

void Tpreface01::Image1MouseMove() {
  Image2->clear();
  ShockwaveFlash1->hide();
}

void Tpreface01::SpeedButtonMouseMove(int number) {
  std::string picture = "images\\" + std::to_string(number) + ".jpg";
  auto file = tavrel::resolve_path(picture);
  if (std::filesystem::exists(file))
    Image2->setPixmap(QPixmap(QString::fromStdString(file.string())));
  if (number == 1) ShockwaveFlash1->show();
}

void Tpreface01::open_document(const char* name) {
  auto file = tavrel::resolve_path(program_dir_ + name);
  if (std::filesystem::exists(file))
    tavrel::platform().shell_open(this, QString::fromStdString(file.string()));
}

void Tpreface01::open_modal(const char* class_name) {
  if (auto* window = qobject_cast<QDialog*>(tavrel::find_window(class_name))) window->exec();
}

void Tpreface01::SpeedButton1Click() { open_document("course.chm"); }
void Tpreface01::SpeedButton2Click() { open_modal("TFHot"); }
void Tpreface01::SpeedButton3Click() { open_modal("TForm1"); }
void Tpreface01::SpeedButton4Click() { open_modal("Tform_test"); }
void Tpreface01::SpeedButton6Click() { open_modal("TAbout"); }
void Tpreface01::SpeedButton7Click() { close(); }
void Tpreface01::SpeedButton8Click() { open_document("readme.chm"); }
void Tpreface01::SpeedButton9Click() { open_modal("TFHistory"); }

void Tpreface01::SpeedButton5Click() {
  auto ini = tavrel::resolve_path(program_dir_ + "Server.ini");
  if (auto address = tavrel::online_page_address(ini))
    tavrel::platform().shell_open(this, tavrel::from_gbk(*address));
}

bool Tpreface01::FormCloseQuery() {
  return tavrel::platform().message_box(this, QStringLiteral("您是否确定要退出系统？"),
                                        QStringLiteral("提示"), tavrel::MsgButtons::YesNo,
                                        tavrel::MsgIcon::Warning) == tavrel::MsgResult::Yes;
}

void Tpreface01::closeEvent(QCloseEvent* event) {
  bool may_close = false;
  tavrel::guarded([&] { may_close = FormCloseQuery(); });
  if (may_close)
    event->accept();
  else
    event->ignore();
}
