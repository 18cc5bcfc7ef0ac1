#pragma once
// The runtime's texts are GBK bytes; where one meets a widget it crosses here, both ways.
#include <QString>

#include <string>
#include <string_view>

#include "values/Gbk.h"

inline QString FromGbk(std::string_view gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }

inline std::string ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }
