// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/ui/config_gegevens_form.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "core/settings.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "info/linux_system.h"

namespace tavoric {

namespace {

std::string Folder(const QString& path) {
    return WithTrailingDelimiter(PathFromQString(QDir::cleanPath(path)));
}

}  // namespace

TConfigGegevensForm::TConfigGegevensForm(QWidget* parent, std::unique_ptr<SystemQueries> system)
    : QDialog(parent),
      system_(system ? std::move(system) : std::make_unique<LinuxSystemQueries>()) {
    setObjectName(QStringLiteral("ConfigGegevensForm"));
    setWindowTitle(QStringLiteral("Configuratiegegevens"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);

    valueListEditor_ = new QTableWidget(0, 2, this);
    valueListEditor_->setObjectName(QStringLiteral("ValueListEditor"));
    valueListEditor_->horizontalHeader()->hide();
    valueListEditor_->verticalHeader()->hide();
    valueListEditor_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    valueListEditor_->setColumnWidth(0, 150);
    valueListEditor_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Fixed);
    valueListEditor_->horizontalHeader()->setStretchLastSection(true);
    valueListEditor_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    valueListEditor_->setSelectionBehavior(QAbstractItemView::SelectItems);

    auto* copyButton = new QToolButton(this);
    copyButton->setObjectName(QStringLiteral("SpeedButton1"));
    copyButton->setIcon(QIcon::fromTheme(QStringLiteral("edit-copy"),
                                         style()->standardIcon(QStyle::SP_FileDialogDetailedView)));
    copyButton->setToolTip(QStringLiteral("Naar het klembord kopiëren"));
    connect(copyButton, &QToolButton::clicked, this, &TConfigGegevensForm::CopyToClipboard);

    auto* closeButton = new QPushButton(QStringLiteral("&Sluiten"), this);
    closeButton->setObjectName(QStringLiteral("Button1"));
    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);

    copyMemo_ = new QPlainTextEdit(this);
    copyMemo_->setObjectName(QStringLiteral("CopyMemo"));
    copyMemo_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(valueListEditor_);
    layout->addLayout(buttons);
    resize(560, 520);
}

TConfigGegevensForm::~TConfigGegevensForm() = default;

void TConfigGegevensForm::ShowConfiguration() {
    show();
    raise();
    BusyCursor busy;
    Fill({});
    ConfigurationInput input{RunningProgramIdentity(), QtScreenFacts(), QtPrinterFacts()};
    Fill(ConfigurationRows(input, *system_));
    valueListEditor_->setCurrentCell(0, 1);
    valueListEditor_->setFocus();
}

void TConfigGegevensForm::Fill(const ConfigRows& rows) {
    rows_ = rows;
    valueListEditor_->setRowCount(static_cast<int>(rows.size()));
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const ConfigRow& row = rows[static_cast<std::size_t>(i)];
        valueListEditor_->setItem(i, 0, new QTableWidgetItem(ToQString(row.key)));
        valueListEditor_->setItem(i, 1, new QTableWidgetItem(PathToQString(row.value)));
    }
}

void TConfigGegevensForm::CopyToClipboard() {
    copyMemo_->setPlainText(PathToQString(ConfigurationClipboardText(rows_)));
    copyMemo_->selectAll();
    QApplication::clipboard()->setText(copyMemo_->toPlainText());
}

ScreenFacts QtScreenFacts() {
    ScreenFacts facts;
    const QScreen* screen = QGuiApplication::primaryScreen();
    facts.monitorCount = static_cast<int>(QGuiApplication::screens().size());
    if (!screen) {
        return facts;
    }
    const QRect whole = screen->geometry();
    const QRect desktop = screen->availableGeometry();
    facts.width = whole.width();
    facts.height = whole.height();
    facts.desktopWidth = desktop.width();
    facts.desktopHeight = desktop.height();
    facts.desktopLeft = desktop.left();
    facts.desktopTop = desktop.top();
    facts.pixelsPerInch = static_cast<int>(std::lround(screen->logicalDotsPerInch()));
    facts.bitsPerPixel = screen->depth();
    facts.colourCount = facts.bitsPerPixel > 8 ? -1 : (std::int64_t{1} << facts.bitsPerPixel);
    facts.themes =
        QApplication::style()->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
    return facts;
}

std::optional<PrinterFacts> QtPrinterFacts() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return std::nullopt;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Millimeter);
    const QRectF printable = layout.paintRect(QPageLayout::Millimeter);
    const QRect pixels = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterFacts facts;
    facts.name = FromQString(info.printerName());
    facts.physicalWidthMm = static_cast<int>(std::lround(full.width()));
    facts.physicalHeightMm = static_cast<int>(std::lround(full.height()));
    facts.printableWidthMm = static_cast<int>(std::lround(printable.width()));
    facts.printableHeightMm = static_cast<int>(std::lround(printable.height()));
    facts.printableWidthPixels = pixels.width();
    facts.printableHeightPixels = pixels.height();
    facts.resolutionX = printer.resolution();
    facts.resolutionY = printer.resolution();
    facts.colourSupport = info.supportedColorModes().contains(QPrinter::Color);
    facts.colourMode = printer.colorMode() == QPrinter::Color;
    facts.colourCount = facts.colourSupport ? 1 << 24 : 2;
    return facts;
}

ProgramIdentity RunningProgramIdentity() {
    ProgramIdentity program;
    program.executablePath = PathFromQString(QApplication::applicationFilePath());
    program.commandLine = PathFromQString(QApplication::arguments().join(QLatin1Char(' ')));
    program.currentFolder = Folder(QDir::currentPath());
    program.programFolder = Folder(QApplication::applicationDirPath());
    program.temporaryFolder = Folder(QDir::tempPath());
    program.configFolder = ApplicationDataFolder(program.programFolder) + "Tavoric/";
    return program;
}

}  // namespace tavoric
