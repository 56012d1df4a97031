// SPDX-License-Identifier: GPL-3.0-or-later
// "Opmaak rapport": the text size of the current report window.
#pragma once

#include <QDialog>
#include <optional>

class QSpinBox;

namespace tavoric {

class TRapportOpmaakForm : public QDialog {
    Q_OBJECT
public:
    explicit TRapportOpmaakForm(QWidget* parent);

    // Opens with the given size; the new size on "&OK", nothing on "&Annuleren".
    std::optional<int> AskFontSize(int current);

private:
    QSpinBox* sizeEdit_;
};

}  // namespace tavoric
