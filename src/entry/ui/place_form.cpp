// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/ui/place_form.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "entry/entry_fields.h"

namespace tavoric {

TNieuweParkeerplaatsForm::TNieuweParkeerplaatsForm(PlaceListEditor& editor, DesktopShell& shell,
                                                   QWidget* parent)
    : QDialog(parent), editor_(editor), shell_(shell) {
    setObjectName(QStringLiteral("NieuweParkeerplaatsForm"));
    setWindowTitle(QStringLiteral("Nieuwe parkeerplaats(en)"));

    startNumber_ = new FieldEdit("Edit1", kNumberFieldLength, true);
    startNumber_->setFixedWidth(
        startNumber_->fontMetrics().horizontalAdvance(QStringLiteral("000000")));
    auto* spin = new SpinButton("SpinButton1");
    spin->AttachTo(startNumber_);
    connect(startNumber_, &QLineEdit::textEdited, this, [this](const QString& text) {
        editor_.SetStartNumber(FromQString(text));
        ShowText(startNumber_, editor_.StartNumber());
    });
    connect(startNumber_, &FieldEdit::Left, this, [this] {
        editor_.LeaveStartNumber();
        ShowText(startNumber_, editor_.StartNumber());
    });
    connect(spin, &SpinButton::Stepped, this, [this](StepDirection direction) {
        editor_.StepStartNumber(direction);
        ShowText(startNumber_, editor_.StartNumber());
    });
    type_ = MakeSelectorBox("ComboBox1");
    type_->setMinimumWidth(SelectorWidth(type_, 22));
    connect(type_, &QComboBox::currentIndexChanged, this, [this](int index) {
        editor_.SetType(
            index < 0 ? std::nullopt
                      : std::optional<char>(kPlaceTypeCodes[static_cast<std::size_t>(index)]));
    });
    count_ = Named<QSpinBox>("SpinEdit1");
    count_->setRange(1, kMostPlacesPerRun);
    connect(count_, &QSpinBox::valueChanged, this, [this](int count) { editor_.SetCount(count); });

    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Parkeerplaats(en): "));
    auto* form = new QFormLayout(group);
    auto* numberRow = new QHBoxLayout;
    numberRow->setSpacing(1);
    numberRow->addWidget(startNumber_);
    numberRow->addWidget(spin);
    numberRow->addStretch();
    form->addRow(LabelFor("Label1", QStringLiteral("Beginnen\nmet &nr.:"), startNumber_),
                 numberRow);
    form->addRow(LabelFor("Label2", QStringLiteral("Typ&e:"), type_), type_);
    form->addRow(LabelFor("Label3", QStringLiteral("Aantal parkeerplaatsen toe&voegen:"), count_),
                 count_);

    const DialogButtons buttons =
        MakeDialogButtons(this, TParkplaatsForm::kHelpTopic, QStringLiteral("T&oevoegen"));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons.row);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TNieuweParkeerplaatsForm::Execute(const PlaceTypeCaptions& captions) {
    editor_.StartNewPlaces();
    LineList types;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        types.push_back(std::string(1, kPlaceTypeCodes[i]) + " " + captions[i]);
    }
    FillSelector(type_, types);
    editor_.SetType(std::nullopt);
    count_->setValue(editor_.Count());
    ShowText(startNumber_, editor_.StartNumber());
    ShowModal(this);
    startNumber_->setFocus();
    startNumber_->selectAll();
}

void TNieuweParkeerplaatsForm::accept() {
    editor_.SetCount(count_->value());  // a count typed and confirmed at once with Enter
    editor_.AddPlaces(shell_.CurrentPrompter());
    ShowText(startNumber_, editor_.StartNumber());
    QDialog::accept();
}

TParkplaatsForm::TParkplaatsForm(EntryContext context, QWidget* parent)
    : QDialog(parent), context_(context) {
    setObjectName(QStringLiteral("ParkplaatsForm"));
    setWindowTitle(QStringLiteral("Parkeerplaatsen"));
    newPlaces_ = new TNieuweParkeerplaatsForm(editor_, context.shell, this);
    context.shell.WhenNewProjectStarts([this] { editor_ = PlaceListEditor(); });
    connect(newPlaces_, &QDialog::finished, this, &TParkplaatsForm::NewPlacesClosed);

    auto* allGroup =
        Named<QGroupBox>("GroupBox2", QStringLiteral(" Alle parkeerplaatsen in bestand: "));
    allPlaces_ = new FixedPitchList("AlleParkeerplaatsenListBox", kPlaceLineHeadings);
    allPlaces_->List()->setSelectionMode(QAbstractItemView::NoSelection);
    allPlaces_->List()->setFocusPolicy(Qt::NoFocus);
    allPlaces_->List()->setMinimumWidth(SelectorWidth(allPlaces_->List(), 22));
    auto* allLayout = new QVBoxLayout(allGroup);
    allLayout->addWidget(allPlaces_);

    auto* lists = new QHBoxLayout;
    lists->addWidget(MakeChoiceGroup(), 1);
    lists->addWidget(allGroup);
    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&OK"));
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addWidget(MakeLegend());
    layout->addLayout(buttons.row);
}

QWidget* TParkplaatsForm::MakeChoiceGroup() {
    auto* group = Named<QGroupBox>("GroupBox1", QStringLiteral(" Parkeerplaatsen behorende bij: "));
    routes_ = MakeSelectorBox("ComboBox1");
    sections_ = MakeSelectorBox("ComboBox2");
    connect(routes_, &QComboBox::activated, this, [this](int index) {
        editor_.ChooseRoute(SelectorIndex(index));
        FillSelector(sections_, editor_.SectionSelector());
        ShowPlaces();
    });
    connect(sections_, &QComboBox::activated, this, [this](int index) {
        editor_.ChooseSection(SelectorIndex(index));
        ShowPlaces();
    });
    places_ =
        new FixedPitchList("ParkeerplaatsenListBox", {{0, "Parkeerplaats\nnr."}, {5, "\ntyp&e"}});
    places_->List()->setSelectionMode(QAbstractItemView::ExtendedSelection);
    places_->List()->setMinimumHeight(220);
    connect(places_->List(), &QListWidget::itemSelectionChanged, this, [this] {
        QListWidget* list = places_->List();
        for (int row = 0; row < list->count(); ++row) {
            editor_.SetSelected(static_cast<std::size_t>(row), list->item(row)->isSelected());
        }
        UpdateButtons();
    });

    newButton_ = Named<QPushButton>("SpeedButton1", QStringLiteral("&Nieuw..."));
    deleteButton_ = Named<QPushButton>("SpeedButton3", QStringLiteral("&Verwijderen..."));
    newButton_->setAutoDefault(false);
    deleteButton_->setAutoDefault(false);
    connect(newButton_, &QPushButton::clicked, this, [this] {
        if (editor_.CanAdd()) {
            newPlaces_->Execute(TypeCaptions());
        }
    });
    connect(deleteButton_, &QPushButton::clicked, this, [this] {
        if (editor_.DeleteSelected(context_.shell.CurrentPrompter())) {
            ShowPlaces();
        }
        editor_.CheckDuplicates(context_.shell.CurrentPrompter());
    });

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(newButton_);
    buttons->addWidget(deleteButton_);
    buttons->addStretch();
    buttons->addWidget(Named<QLabel>(
        "Label5", QStringLiteral("Meerdere ppl\nselecteren:\n- shift+klik\n- ctrl+klik")));

    auto* selectors = new QFormLayout;
    selectors->addRow(LabelFor("Label1", QStringLiteral("&Route:"), routes_), routes_);
    selectors->addRow(LabelFor("Label2", QStringLiteral("&Sectie:"), sections_), sections_);
    auto* placesRow = new QHBoxLayout;
    placesRow->addWidget(places_, 1);
    placesRow->addLayout(buttons);
    auto* layout = new QVBoxLayout(group);
    layout->addLayout(selectors);
    layout->addLayout(placesRow, 1);
    return group;
}

QWidget* TParkplaatsForm::MakeLegend() {
    auto* legend = Named<QGroupBox>("GroupBox3", QStringLiteral("Type parkeerplaatsen:"));
    auto* grid = new QGridLayout(legend);
    const PlaceTypeCaptions& captions = DefaultPlaceTypeCaptions();
    constexpr int kRows = 2;
    for (int i = 0; i < kPlaceTypeCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        auto* code = new QLabel(QString(QLatin1Char(kPlaceTypeCodes[index])));
        code->setFont(FixedPitchFont());
        const std::string name = "LabelPPT" + std::string(i < 9 ? "0" : "") + std::to_string(i + 1);
        typeLabels_[index] = Named<QLabel>(name.c_str(), ToQString(captions[index]));
        const int column = 2 * (i / kRows);
        grid->addWidget(code, i % kRows, column);
        grid->addWidget(typeLabels_[index], i % kRows, column + 1);
    }
    grid->setColumnStretch(2 * (kPlaceTypeCount / kRows), 1);
    return legend;
}

PlaceTypeCaptions TParkplaatsForm::TypeCaptions() const {
    PlaceTypeCaptions captions;
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions[i] = FromQString(typeLabels_[i]->text());
    }
    return captions;
}

void TParkplaatsForm::Execute() {
    editor_.Open(context_.survey);
    FillSelector(routes_, editor_.RouteSelector());
    FillSelector(sections_, editor_.SectionSelector());
    ShowPlaces();
    ShowModal(this);
    routes_->setFocus();
}

void TParkplaatsForm::ShowPlaces() {
    places_->SetLines(editor_.Entries());
    allPlaces_->SetLines(editor_.AllPlaces());
    UpdateButtons();
}

void TParkplaatsForm::UpdateButtons() {
    newButton_->setEnabled(editor_.CanAdd());
    deleteButton_->setEnabled(editor_.CanDelete());
}

void TParkplaatsForm::NewPlacesClosed() {
    ShowPlaces();
    editor_.CheckDuplicates(context_.shell.CurrentPrompter());
}

void TParkplaatsForm::accept() {
    if (editor_.Changed()) {
        BusyCursor busy;
        ReportApplied(
            context_.shell,
            editor_.Apply(context_.survey, context_.shell.CurrentPrompter(), context_.progress));
    }
    QDialog::accept();
}

}  // namespace tavoric
