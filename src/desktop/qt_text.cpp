// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/qt_text.h"

#include <QFile>

#include "core/codec.h"

namespace tavoric {

QString ToQString(std::string_view cp1252) {
    const std::string utf8 = Cp1252ToUtf8(cp1252);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string FromQString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return Utf8ToCp1252(std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

QString PathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size())));
}

std::string PathFromQString(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace tavoric
