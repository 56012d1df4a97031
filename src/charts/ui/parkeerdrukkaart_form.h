// SPDX-License-Identifier: GPL-3.0-or-later
// "Parkeerdrukkaart": the streets of the survey area coloured by the pressure of their section,
// with a legend, zoom with the wheel or + and -, pan by dragging or with the arrow keys, Tab
// through the sections, and a panel beside the legend with the figures of the street under the
// pointer or of the section Tab reached.
// The map can be printed and saved as PNG, SVG or PDF, and its streets with the figures as
// GeoJSON for GIS.
#pragma once

#include <QDialog>
#include <functional>

#include "charts/street_map.h"
#include "core/prompter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QGraphicsScene;
class QGraphicsView;
class QPushButton;

namespace tavoric {

class StreetMapView;

class TParkeerdrukkaartForm : public QDialog {
    Q_OBJECT
public:
    // chooseStreets is asked for other streets when the user wants them; nothing keeps the map.
    TParkeerdrukkaartForm(Prompter& prompter,
                          std::function<std::optional<StreetGeometry>()> chooseStreets,
                          QWidget* parent);

    // Joins the streets to the figures and the survey's sections, says which streets stay grey,
    // and shows the window.
    void ShowMap(StreetGeometry streets, ChartData figures, LineList sectionLines);

    const StreetMap& Map() const { return map_; }
    MapMeasure Measure() const;
    bool Labels() const;
    QGraphicsView* View() const;
    QGraphicsScene* Scene() const { return scene_; }

private:
    void Redraw();
    void ChooseOtherStreets();
    void Export();
    void ExportGeoJson();
    void Print();

    Prompter& prompter_;
    std::function<std::optional<StreetGeometry>()> chooseStreets_;
    StreetMap map_;
    ChartData data_;
    LineList sectionLines_;
    QComboBox* measureBox_ = nullptr;
    QCheckBox* labelsBox_ = nullptr;
    QGraphicsScene* scene_ = nullptr;
    StreetMapView* view_ = nullptr;
    QWidget* legend_ = nullptr;
    QLabel* streetPanel_ = nullptr;
};

}  // namespace tavoric
