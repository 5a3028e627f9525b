// Real dialogs (Qt), the desktop's default applications, SDL sound, the system clock and locale.
#include "platform/real_platform.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QThread>
#include <QTreeView>
#include <QUrl>
#include <algorithm>
#include <system_error>

#include "platform/fonts.h"

namespace tavrel {
namespace {

// Windows-style button texts, as a Chinese desktop shows them.
struct ButtonText {
  QMessageBox::StandardButton button;
  const char* text;
  MsgResult result;
};
constexpr ButtonText kButtons[] = {
    {QMessageBox::Yes, "是(&Y)", MsgResult::Yes},
    {QMessageBox::No, "否(&N)", MsgResult::No},
    {QMessageBox::Ok, "确定", MsgResult::Ok},
    {QMessageBox::Cancel, "取消", MsgResult::Cancel},
};

QMessageBox::StandardButtons standard_buttons(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return QMessageBox::Ok;
    case MsgButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

QMessageBox::Icon box_icon(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None:
      return QMessageBox::NoIcon;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Warning:
      return QMessageBox::Warning;
    case MsgIcon::Error:
      return QMessageBox::Critical;
    case MsgIcon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

// A time format without the time zone, which the Windows long time format never shows.
QString without_time_zone(QString format) {
  format.remove(QLatin1Char('t'));
  return format.trimmed();
}

}  // namespace

RealPlatform::RealPlatform()
    : random_(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch())) {}

MsgResult RealPlatform::message_box(QWidget* parent, const QString& text, const QString& caption,
                                    MsgButtons buttons, MsgIcon icon) {
  QMessageBox box(box_icon(icon), caption, text, standard_buttons(buttons), parent);
  box.setFont(song_font(12));
  for (const auto& entry : kButtons)
    if (auto* b = box.button(entry.button)) b->setText(QString::fromUtf8(entry.text));
  auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
  for (const auto& entry : kButtons)
    if (entry.button == chosen) return entry.result;
  return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
}

std::optional<QString> RealPlatform::input_box(QWidget* parent, const QString& caption,
                                               const QString& prompt, const QString& initial) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(caption);
  dialog.setLabelText(prompt);
  dialog.setTextValue(initial);
  dialog.setOkButtonText(QStringLiteral("确定"));
  dialog.setCancelButtonText(QStringLiteral("取消"));
  // Wide enough for its caption (with the title bar's icon and buttons), which says what to
  // type when the prompt is empty. The dialog sizes itself to its layout, so the edit box
  // carries the width.
  if (auto* edit = dialog.findChild<QLineEdit*>())
    edit->setMinimumWidth(dialog.fontMetrics().horizontalAdvance(caption) + 120);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue();
}

std::optional<std::filesystem::path> RealPlatform::open_file(QWidget* parent, const QString& title,
                                                             const QString& filter) {
  QFileDialog dialog(parent, title, QString(), filter);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  // Large enough that the names and dates of the files show whole: the name column takes the
  // room the others leave, which fit their contents.
  dialog.resize(std::max(dialog.width(), 820), std::max(dialog.height(), 500));
  if (auto* details = dialog.findChild<QTreeView*>()) {
    QHeaderView* header = details->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(0, QHeaderView::Stretch);
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString chosen = dialog.selectedFiles().constFirst();
  std::filesystem::path file(chosen.toStdString());
  std::error_code ec;
  std::filesystem::current_path(file.parent_path(), ec);
  return file;
}

std::optional<std::filesystem::path> RealPlatform::save_file(QWidget* parent, const QString& title,
                                                             const QString& filter,
                                                             const QString& suggested_name) {
  QFileDialog dialog(parent, title, QDir::homePath() + '/' + suggested_name, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.resize(std::max(dialog.width(), 820), std::max(dialog.height(), 500));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().constFirst().toStdString());
}

std::optional<QColor> RealPlatform::choose_color(QWidget* parent, const QColor& initial) {
  QColor color = QColorDialog::getColor(initial, parent);
  if (!color.isValid()) return std::nullopt;
  return color;
}

void RealPlatform::shell_open(QWidget*, const QString& target) {
  QUrl url = target.contains(QLatin1String("://")) ? QUrl(target) : QUrl::fromLocalFile(target);
  QDesktopServices::openUrl(url);
}

QDateTime RealPlatform::now() { return QDateTime::currentDateTime(); }

QString RealPlatform::long_time(const QTime& time) {
  QLocale locale = QLocale::system();
  return locale.toString(time, without_time_zone(locale.timeFormat(QLocale::LongFormat)));
}

QString RealPlatform::short_date(const QDate& date) {
  return QLocale::system().toString(date, QLocale::ShortFormat);
}

int RealPlatform::random(int n) {
  if (n <= 0) throw std::invalid_argument("random range must be positive");
  return std::uniform_int_distribution<int>(0, n - 1)(random_);
}

void RealPlatform::wait_one_second() { QThread::msleep(1000); }

}  // namespace tavrel
