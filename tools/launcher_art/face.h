// The launcher's background picture: title, menu labels, panels and keypad decoration.
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <array>

namespace tavrel::art {

// The launcher window is exactly this size and shows the picture unscaled.
inline constexpr QSize kFaceSize{1002, 712};

// Where the launcher lays its invisible buttons; the picture carries their captions.
struct FaceButton {
  QRect rect;
  const char* label;  // UTF-8
};

inline constexpr std::array<FaceButton, 5> kMenuButtons = {{
    {QRect(83, 126, 106, 39), "入门教程"},
    {QRect(83, 186, 106, 39), "键盘热身"},
    {QRect(83, 245, 106, 39), "字词训练"},
    {QRect(83, 304, 106, 39), "文章练习"},
    {QRect(83, 363, 106, 39), "在线交流"},
}};

inline constexpr std::array<FaceButton, 4> kBottomButtons = {{
    {QRect(491, 639, 78, 34), "学习记录"},
    {QRect(611, 639, 78, 34), "使用说明"},
    {QRect(731, 639, 78, 34), "关于系统"},
    {QRect(847, 639, 78, 34), "退出系统"},
}};

// The hovered entry's preview picture is drawn here.
inline constexpr QRect kPreviewRect{208, 128, 297, 424};
// The intro animation plays here while the first entry is hovered.
inline constexpr QRect kAnimationRect{72, 424, 129, 129};

QImage draw_face();

}  // namespace tavrel::art
