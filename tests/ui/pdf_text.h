// SPDX-License-Identifier: GPL-3.0-or-later
// A PDF file's text read back with pdftotext, page by page, laid out as on paper.
#pragma once

#include <QDebug>
#include <QProcess>
#include <QStringList>

namespace tavoric {

// One entry per page; nothing when pdftotext fails.
inline QStringList PdfPageTexts(const QString& fileName) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), fileName, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) {
        qWarning() << "pdftotext failed" << pdftotext.readAllStandardError();
        return {};
    }
    QStringList pages =
        QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) {
        pages.removeLast();
    }
    return pages;
}

}  // namespace tavoric
