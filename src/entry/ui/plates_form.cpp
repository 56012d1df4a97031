// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/plates_form.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "desktop/qt_text.h"

namespace tavoric {

namespace {

bool IsEnter(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A key that types into the grid: characters, Enter and Backspace; not cursor keys, Tab, Escape
// or short-cuts.
bool IsTypedKey(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
        return false;
    }
    return !key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab &&
           key.key() != Qt::Key_Delete && key.key() != Qt::Key_Escape;
}

std::size_t RowOf(const QModelIndex& index) {
    return static_cast<std::size_t>(index.row());
}

}  // namespace

int PlateGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(entry_.Rows().size());
}

int PlateGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant PlateGridModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    return ToQString(entry_.Cell(RowOf(index), index.column()));
}

Qt::ItemFlags PlateGridModel::flags(const QModelIndex& index) const {
    if (index.column() == kPeriodColumn) {
        return Qt::ItemIsEnabled;
    }
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void PlateGridModel::Reload() {
    beginResetModel();
    endResetModel();
}

void PlateGridModel::Refresh() {
    if (rowCount() > 0) {
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
}

QWidget* PlateCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFont(FixedPitchFont());
    editor->setFrame(false);
    editor->setMaxLength(
        static_cast<int>(index.column() == kPlateColumn ? kPlateLength : kRemarkLength));
    const std::size_t row = RowOf(index);
    const int column = index.column();
    connect(editor, &QLineEdit::textEdited, this, [this, editor, row, column](const QString& text) {
        entry_.EditCell(row, column, text.toStdString());
        ShowText(editor, entry_.Cell(row, column));
    });
    openEditor_ = editor;
    return editor;
}

// Typed text is in the plate entry already.
void PlateCellDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void PlateCellDelegate::CloseOpenEditor() {
    if (openEditor_ && openEditor_->isVisible()) {  // a closed editor is hidden until deleted
        emit closeEditor(openEditor_, QAbstractItemDelegate::NoHint);
    }
}

bool PlateCellDelegate::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsEnter(key->key())) {
            CloseOpenEditor();
            emit EnterPressed();
            return true;
        }
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            CloseOpenEditor();
            emit DeletePressed();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            // Escape leaves the cell as typed; on its own it changes nothing.
            CloseOpenEditor();
            return true;
        }
        if (IsTypedKey(*key)) {
            emit KeyTyped();
        }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
}

TKentekensForm::TKentekensForm(EntryContext context, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      context_(context) {
    setObjectName(QStringLiteral("KentekensForm"));
    setWindowTitle(QStringLiteral("Kentekens"));

    previous_ = MakeAction("ActionVorigePpl", QStringLiteral("Vorige parkeerplaats"),
                           QKeySequence(Qt::Key_F3));
    next_ = MakeAction("ActionVolgendePpl", QStringLiteral("Volgende parkeerplaats"),
                       QKeySequence(Qt::Key_F4));
    confirm_ = MakeAction("ActionPplOk", QStringLiteral("OK [F10]"), QKeySequence(Qt::Key_F10));
    delete_ = MakeAction("ActionDelete", QStringLiteral("Wissen"), QKeySequence(Qt::Key_Delete));
    connect(previous_, &QAction::triggered, this, [this] { StepPlace(false); });
    connect(next_, &QAction::triggered, this, [this] { StepPlace(true); });
    connect(confirm_, &QAction::triggered, this, &TKentekensForm::Confirm);
    connect(delete_, &QAction::triggered, this, [this] {
        if (grid_->isVisible() && grid_->hasFocus()) {
            DeleteCell();
        }
    });

    autoPlate_ = Named<QCheckBox>("CheckBox1", QStringLiteral("&Autom. kenteken"));
    autoPlate_->setChecked(true);
    connect(autoPlate_, &QCheckBox::toggled, this, [this](bool on) { entry_.SetAutoPlate(on); });
    confirmButton_ = Named<QPushButton>("PplOkButton", confirm_->text());
    confirmButton_->setToolTip(
        QStringLiteral("Bevestigt de parkeerplaats en blijft erop; F3/F4 en de pijlknoppen gaan "
                       "naar de vorige of volgende parkeerplaats"));
    connect(confirmButton_, &QPushButton::clicked, confirm_, &QAction::trigger);
    closeButton_ = Named<QPushButton>("Button1", QStringLiteral("&Sluiten"));
    connect(closeButton_, &QPushButton::clicked, this, &TKentekensForm::Close);
    QPushButton* help = HelpButton(this, kHelpTopic);
    // Enter belongs to the grid and the place selector; no button takes it.
    for (QPushButton* button : {confirmButton_, closeButton_, help}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }

    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(autoPlate_);
    entryRow->addStretch();
    entryRow->addWidget(confirmButton_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(help);
    buttons->addStretch();
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MakeSelectors());
    layout->addWidget(MakeGrid(), 1);
    layout->addLayout(entryRow);
    layout->addLayout(buttons);
}

QAction* TKentekensForm::MakeAction(const char* name, const QString& text,
                                    const QKeySequence& key) {
    auto* action = new QAction(text, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(key);
    action->setShortcutContext(Qt::WindowShortcut);
    action->setToolTip(text);
    addAction(action);
    return action;
}

QWidget* TKentekensForm::MakeSelectors() {
    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Kentekens behorende bij: "));
    routes_ = MakeSelectorBox("ComboBox1");
    sections_ = MakeSelectorBox("ComboBox2");
    places_ = MakeSelectorBox("ComboBox3");
    places_->installEventFilter(this);
    connect(routes_, &QComboBox::activated, this, &TKentekensForm::ChooseRoute);
    connect(sections_, &QComboBox::activated, this, &TKentekensForm::ChooseSection);
    connect(places_, &QComboBox::activated, this, &TKentekensForm::ChoosePlace);

    auto stepButton = [](QAction* action, Qt::ArrowType arrow) {
        auto* button = new QToolButton;
        button->setDefaultAction(action);
        button->setArrowType(arrow);
        button->setFocusPolicy(Qt::NoFocus);
        return button;
    };
    auto* placeRow = new QHBoxLayout;
    placeRow->addWidget(places_, 1);
    placeRow->addWidget(stepButton(previous_, Qt::LeftArrow));
    placeRow->addWidget(stepButton(next_, Qt::RightArrow));

    auto* form = new QFormLayout(group);
    selectorLabels_ = {LabelFor("Label1", QStringLiteral("&Route:"), routes_),
                       LabelFor("Label2", QStringLiteral("Se&ctie:"), sections_),
                       LabelFor("Label3", QStringLiteral("&Parkeerplaats [alt+p]:"), places_)};
    form->addRow(selectorLabels_[0], routes_);
    form->addRow(selectorLabels_[1], sections_);
    form->addRow(selectorLabels_[2], placeRow);
    return group;
}

QWidget* TKentekensForm::MakeGrid() {
    gridGroup_ = Named<QGroupBox>("GroupBox2", QStringLiteral(" &Kentekens [alt+k]: "));
    model_ = new PlateGridModel(entry_, this);
    delegate_ = new PlateCellDelegate(entry_, this);
    connect(delegate_, &PlateCellDelegate::EnterPressed, this, &TKentekensForm::PressEnter);
    connect(delegate_, &PlateCellDelegate::DeletePressed, this, &TKentekensForm::DeleteCell);
    connect(delegate_, &PlateCellDelegate::KeyTyped, this, &TKentekensForm::KeyTyped);

    grid_ = Named<QTableView>("StringGrid1");
    grid_->setModel(model_);
    grid_->setItemDelegate(delegate_);
    grid_->setFont(FixedPitchFont());
    grid_->horizontalHeader()->hide();
    grid_->verticalHeader()->hide();
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                           QAbstractItemView::EditKeyPressed);
    grid_->setTabKeyNavigation(false);
    grid_->installEventFilter(this);
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    entry_.SetCursor(RowOf(current), current.column());
                    if (entry_.Cursor().column != current.column()) {
                        ShowCursor();
                    }
                }
            });

    // Period and plate equally wide, the remark a quarter of that: 19, 19 and 5 twentieths.
    const int unit = grid_->fontMetrics().horizontalAdvance(QStringLiteral("0000-0000")) / 12 + 1;
    const std::array<int, 3> widths = {19 * unit, 19 * unit, 5 * unit};
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    auto* headings = new QHBoxLayout;
    headings->setSpacing(0);
    headings->setContentsMargins(grid_->frameWidth(), 0, 0, 0);
    const std::array<const char*, 3> captions = {"Periode", "Kenteken", ""};
    const std::array<const char*, 3> names = {"Label6", "Label7", "Label8"};
    for (int column = 0; column < 3; ++column) {
        const auto index = static_cast<std::size_t>(column);
        const int width = widths[index];
        grid_->setColumnWidth(column, width);
        auto* heading = Named<QLabel>(names[index], QString::fromLatin1(captions[index]));
        heading->setFixedWidth(width);
        headings->addWidget(heading);
    }
    headings->addStretch();
    grid_->setFixedWidth(widths[0] + widths[1] + widths[2] + 2 * grid_->frameWidth() +
                         grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2);
    grid_->setMinimumHeight(12 * grid_->verticalHeader()->defaultSectionSize());

    gridPanel_ = new QWidget;
    QSizePolicy keepRoom = gridPanel_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);  // the window keeps its size while no place is chosen
    gridPanel_->setSizePolicy(keepRoom);
    auto* panelLayout = new QVBoxLayout(gridPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(1);
    panelLayout->addLayout(headings);
    panelLayout->addWidget(grid_, 1);

    auto* legend = new QVBoxLayout;
    legend->addWidget(Named<QLabel>("Label4", QStringLiteral("F : fout geparkeerd")));
    legend->addWidget(Named<QLabel>("Label5", QStringLiteral("B : ppl. geblokkeerd")));
    legend->addStretch();
    auto* layout = new QHBoxLayout(gridGroup_);
    layout->addWidget(gridPanel_);
    layout->addLayout(legend);
    layout->addStretch();
    return gridGroup_;
}

void TKentekensForm::Execute() {
    entry_.Open(context_.survey);
    autoPlate_->setChecked(entry_.AutoPlate());
    FillSelector(routes_, entry_.RouteSelector());
    FillSelector(sections_, entry_.SectionSelector());
    FillSelector(places_, entry_.PlaceSelector());
    ShowGrid();
    UpdateLock();
    ShowModal(this);
    routes_->setFocus();
}

void TKentekensForm::ChooseRoute(int index) {
    if (entry_.ChooseRoute(SelectorIndex(index))) {
        FillSelector(sections_, entry_.SectionSelector());
        FillSelector(places_, entry_.PlaceSelector());
        ShowGrid();
    }
    UpdateLock();
}

void TKentekensForm::ChooseSection(int index) {
    if (entry_.ChooseSection(SelectorIndex(index))) {
        FillSelector(places_, entry_.PlaceSelector());
        ShowGrid();
    }
    UpdateLock();
}

void TKentekensForm::ChoosePlace(int index) {
    if (entry_.ChoosePlace(SelectorIndex(index))) {
        ShowGrid();
    }
    UpdateLock();
}

void TKentekensForm::StepPlace(bool forward) {
    if (forward ? entry_.NextPlace() : entry_.PreviousPlace()) {
        places_->setCurrentIndex(static_cast<int>(*entry_.ChosenPlace()));
        ShowGrid();
        grid_->setFocus();
    }
    UpdateLock();
}

void TKentekensForm::ShowGrid() {
    model_->Reload();
    gridPanel_->setVisible(entry_.GridVisible());
    if (entry_.GridVisible()) {
        ShowCursor();
    }
}

void TKentekensForm::ShowCursor() {
    const GridCell cursor = entry_.Cursor();
    grid_->setCurrentIndex(model_->index(static_cast<int>(cursor.row), cursor.column));
}

void TKentekensForm::KeyTyped() {
    if (!entry_.Locked()) {
        entry_.KeyTyped();
        UpdateLock();
    }
}

void TKentekensForm::PressEnter() {
    entry_.PressEnter();
    model_->Refresh();
    ShowCursor();
    UpdateLock();
    StoreTyping();
}

void TKentekensForm::DeleteCell() {
    if (entry_.DeleteCell()) {
        model_->Refresh();
        UpdateLock();
        StoreTyping();
    }
}

// Every plate typed reaches the survey at once, so that the recovery copy holds it.
void TKentekensForm::StoreTyping() {
    if (entry_.StoreTypedRows()) {
        context_.shell.SurveyEdited();
    }
}

void TKentekensForm::Confirm() {
    delegate_->CloseOpenEditor();
    if (!entry_.Confirm()) {
        return;
    }
    context_.shell.SurveyEdited();
    ShowGrid();
    UpdateLock();
    places_->setFocus();
}

void TKentekensForm::Close() {
    if (!entry_.CanClose()) {
        return;
    }
    if (entry_.Close()) {
        context_.shell.UpdateCommandStates(false);
    }
    FillSelector(routes_, {});
    FillSelector(sections_, {});
    FillSelector(places_, {});
    ShowGrid();
    done(QDialog::Accepted);
}

void TKentekensForm::UpdateLock() {
    const bool free = entry_.CanChoose();
    for (QWidget* widget : {static_cast<QWidget*>(routes_), static_cast<QWidget*>(sections_),
                            static_cast<QWidget*>(places_)}) {
        widget->setEnabled(free);
    }
    for (QLabel* label : selectorLabels_) {
        label->setEnabled(free);
    }
    previous_->setEnabled(entry_.CanPrevious());
    next_->setEnabled(entry_.CanNext());
    closeButton_->setEnabled(entry_.CanClose());
    confirm_->setEnabled(entry_.CanConfirm());
    confirmButton_->setEnabled(entry_.CanConfirm());
}

bool TKentekensForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QDialog::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (watched == places_ && IsEnter(key->key())) {
        if (entry_.GridVisible()) {
            grid_->setFocus();
        }
        return true;
    }
    if (watched == grid_ && IsTypedKey(*key)) {
        KeyTyped();
        if (IsEnter(key->key())) {
            PressEnter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

// The window has no close box; "&Sluiten" hides it.
void TKentekensForm::closeEvent(QCloseEvent* event) {
    event->ignore();
}

}  // namespace tavoric
