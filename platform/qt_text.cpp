// GBK <-> QString through the common converter.
#include "platform/qt_text.h"

#include "common/gbk.h"

namespace tavrel {

QString from_gbk(std::string_view gbk) { return QString::fromStdString(utf8_from_gbk(gbk)); }

std::string to_gbk(const QString& text) { return gbk_from_utf8(text.toStdString()); }

}  // namespace tavrel
