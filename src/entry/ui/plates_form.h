// SPDX-License-Identifier: GPL-3.0-or-later
// "Kentekens": the observers' field notes keyed in place by place. Three selectors choose the
// place; its rounds stand in a grid of period, plate and remark. The window is made for the
// keyboard: the grid's editor opens on the first typed key, Enter walks the grid and carries the
// plate forward, F10 confirms the place, F3 and F4 step to the previous and next place. A place
// being edited is locked until it is confirmed.
#pragma once

#include <QAbstractTableModel>
#include <QDialog>
#include <QPointer>
#include <QStyledItemDelegate>

#include "entry/plate_entry.h"
#include "entry/ui/entry_window_parts.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTableView;

namespace tavoric {

// The grid's cells as the plate entry holds them.
class PlateGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PlateGridModel(PlateEntry& entry, QObject* parent = nullptr)
        : QAbstractTableModel(parent), entry_(entry) {}

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A new place's rows.
    void Reload();
    // The cells changed in place.
    void Refresh();

private:
    PlateEntry& entry_;
};

// The cell editor: 6 characters in the plate column, 1 in the remark column; every keystroke
// reaches the plate entry at once. Enter and Del are the window's.
class PlateCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit PlateCellDelegate(PlateEntry& entry, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), entry_(entry) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    // Closes an open editor; its text is already in the plate entry.
    void CloseOpenEditor();

signals:
    void EnterPressed();
    void DeletePressed();
    void KeyTyped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    PlateEntry& entry_;
    mutable QPointer<QWidget> openEditor_;
};

class TKentekensForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 320;

    TKentekensForm(EntryContext context, QWidget* parent);

    // Sorts the slots, fills the route selector and shows the window.
    void Execute();
    // Only "&Sluiten" closes the window.
    void reject() override {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeSelectors();
    QWidget* MakeGrid();
    QAction* MakeAction(const char* name, const QString& text, const QKeySequence& key);
    void ChooseRoute(int index);
    void ChooseSection(int index);
    void ChoosePlace(int index);
    void StepPlace(bool forward);
    void ShowGrid();
    void ShowCursor();
    void KeyTyped();
    void PressEnter();
    void DeleteCell();
    void StoreTyping();
    void Confirm();
    void Close();
    void UpdateLock();

    EntryContext context_;
    PlateEntry entry_;
    PlateGridModel* model_ = nullptr;
    PlateCellDelegate* delegate_ = nullptr;
    QComboBox* routes_ = nullptr;
    QComboBox* sections_ = nullptr;
    QComboBox* places_ = nullptr;
    std::vector<QLabel*> selectorLabels_;
    QGroupBox* gridGroup_ = nullptr;
    QTableView* grid_ = nullptr;
    QWidget* gridPanel_ = nullptr;
    QCheckBox* autoPlate_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* confirm_ = nullptr;
    QAction* delete_ = nullptr;
    QPushButton* confirmButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace tavoric
