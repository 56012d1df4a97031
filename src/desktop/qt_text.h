// SPDX-License-Identifier: GPL-3.0-or-later
// Program text is code page 1252 bytes; widgets take QString. Paths are the file system's own
// bytes. These are the only conversions between them.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavoric {

QString ToQString(std::string_view cp1252);
std::string FromQString(const QString& text);

QString PathToQString(const std::string& path);
std::string PathFromQString(const QString& path);

}  // namespace tavoric
