// Conversions between the program's GBK byte strings and Qt's strings.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavrel {

QString from_gbk(std::string_view gbk);
std::string to_gbk(const QString& text);

}  // namespace tavrel
