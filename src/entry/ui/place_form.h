// SPDX-License-Identifier: GPL-3.0-or-later
// "Parkeerplaatsen": the places of one chosen route and section beside all places of the
// survey, and "Nieuwe parkeerplaats(en)", which adds a numbered run of places of one type.
#pragma once

#include <QDialog>
#include <array>

#include "core/place_types.h"
#include "entry/place_list_editor.h"
#include "entry/ui/entry_window_parts.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tavoric {

class TNieuweParkeerplaatsForm : public QDialog {
    Q_OBJECT
public:
    TNieuweParkeerplaatsForm(PlaceListEditor& editor, DesktopShell& shell, QWidget* parent);

    // Empties the type, sets the count to 1 and shows the dialog; the start number keeps its
    // value. The types are listed with these captions.
    void Execute(const PlaceTypeCaptions& captions);
    void accept() override;

private:
    PlaceListEditor& editor_;
    DesktopShell& shell_;
    FieldEdit* startNumber_ = nullptr;
    QComboBox* type_ = nullptr;
    QSpinBox* count_ = nullptr;
};

class TParkplaatsForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kHelpTopic = 260;

    TParkplaatsForm(EntryContext context, QWidget* parent);

    // Fills the route selector and the list of all places and shows the window.
    void Execute();
    void accept() override;

    // The type descriptions of the legend, which follow the language.
    PlaceTypeCaptions TypeCaptions() const;

private:
    QWidget* MakeChoiceGroup();
    QWidget* MakeLegend();
    void ShowPlaces();
    void UpdateButtons();
    void NewPlacesClosed();

    EntryContext context_;
    PlaceListEditor editor_;
    TNieuweParkeerplaatsForm* newPlaces_ = nullptr;
    QComboBox* routes_ = nullptr;
    QComboBox* sections_ = nullptr;
    FixedPitchList* places_ = nullptr;
    FixedPitchList* allPlaces_ = nullptr;
    QPushButton* newButton_ = nullptr;
    QPushButton* deleteButton_ = nullptr;
    std::array<QLabel*, kPlaceTypeCount> typeLabels_{};
};

}  // namespace tavoric
