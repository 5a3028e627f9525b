// The scripted platform used by window tests.
#include "platform/scripted_platform.h"

namespace tavrel {

void RecordingAudio::open(const std::filesystem::path& file) {
  close();
  if (!std::filesystem::exists(file)) throw MediaError("找不到声音文件：" + file.string());
  open_file_ = file;
  log.push_back("open " + file.filename().string());
}

void RecordingAudio::play() {
  if (open_file_.empty()) return;
  playing_ = open_file_;
  log.push_back("play");
}

void RecordingAudio::close() {
  if (open_file_.empty()) return;
  log.push_back("close " + open_file_.filename().string());
  open_file_.clear();
  playing_.clear();
}

MsgResult ScriptedPlatform::message_box(QWidget*, const QString& text, const QString& caption,
                                        MsgButtons buttons, MsgIcon icon) {
  messages.push_back({text, caption, buttons, icon});
  if (!message_answers.empty()) {
    MsgResult answer = message_answers.front();
    message_answers.pop_front();
    return answer;
  }
  return (buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel) ? MsgResult::Yes
                                                                              : MsgResult::Ok;
}

template <typename T>
static std::optional<T> take(std::deque<std::optional<T>>& answers) {
  if (answers.empty()) return std::nullopt;
  auto answer = answers.front();
  answers.pop_front();
  return answer;
}

std::optional<QString> ScriptedPlatform::input_box(QWidget*, const QString&, const QString& prompt,
                                                   const QString&) {
  input_prompts.push_back(prompt);
  return take(input_answers);
}

std::optional<std::filesystem::path> ScriptedPlatform::open_file(QWidget*, const QString&,
                                                                 const QString&) {
  auto answer = take(file_answers);
  if (answer) {
    std::error_code ec;
    std::filesystem::current_path(answer->parent_path(), ec);
  }
  return answer;
}

std::optional<std::filesystem::path> ScriptedPlatform::save_file(QWidget*, const QString&,
                                                                 const QString&,
                                                                 const QString& suggested_name) {
  save_suggestions.push_back(suggested_name);
  return take(save_answers);
}

std::optional<QColor> ScriptedPlatform::choose_color(QWidget*, const QColor&) {
  return take(color_answers);
}

void ScriptedPlatform::shell_open(QWidget*, const QString& target) {
  shell_targets.push_back(target);
}

int ScriptedPlatform::random(int n) {
  if (n <= 0) throw std::invalid_argument("random range must be positive");
  if (random_values.empty()) return 0;
  int value = random_values.front();
  random_values.pop_front();
  return ((value % n) + n) % n;
}

ScopedScriptedPlatform::ScopedScriptedPlatform() {
  auto owned = std::make_unique<ScriptedPlatform>();
  platform_ = owned.get();
  previous_ = set_platform(std::move(owned));
}

ScopedScriptedPlatform::~ScopedScriptedPlatform() { set_platform(std::move(previous_)); }

}  // namespace tavrel
