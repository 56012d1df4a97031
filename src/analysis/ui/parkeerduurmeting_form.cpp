// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/ui/parkeerduurmeting_form.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/clock.h"
#include "core/message_texts.h"
#include "core/text.h"
#include "desktop/busy_cursor.h"
#include "desktop/qt_text.h"
#include "desktop/time_field.h"

namespace tavoric {

namespace {

constexpr int kMaxClassBound = 9999999;
constexpr int kClassStep = 5;

constexpr std::array<NarrowingLevel, 4> kLevels = {NarrowingLevel::Routes, NarrowingLevel::Sections,
                                                   NarrowingLevel::Places, NarrowingLevel::Types};

std::size_t IndexOf(NarrowingLevel level) {
    return static_cast<std::size_t>(level);
}

void FillList(QListWidget* list, const std::vector<std::string>& entries) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(entries.size()));
    for (const std::string& entry : entries) {
        texts.append(ToQString(entry));
    }
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(texts);
    list->setUpdatesEnabled(true);
}

// The widget's selection, one flag per row.
std::vector<bool> SelectedRows(const QListWidget* list) {
    std::vector<bool> selected(static_cast<std::size_t>(list->count()), false);
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes()) {
        selected[static_cast<std::size_t>(index.row())] = true;
    }
    return selected;
}

}  // namespace

TParkeerduurmetingForm::TParkeerduurmetingForm(
    EntryContext context, std::function<void(const AnalysisParameters&)> runReport, QWidget* parent)
    : QDialog(parent), context_(context), runReport_(std::move(runReport)) {
    setObjectName(QStringLiteral("ParkeerduurmetingForm"));
    setWindowTitle(QStringLiteral("Parkeerduurmeting"));

    radioButton1_ = Named<QRadioButton>("RadioButton1", QStringLiteral("Per parkeerplaats"));
    radioButton2_ = Named<QRadioButton>("RadioButton2", QStringLiteral("Naar interval"));
    radioButton5_ = Named<QRadioButton>("RadioButton5", QStringLiteral("Parkeermotief"));
    radioButton1_->setChecked(true);
    for (QRadioButton* button : {radioButton1_, radioButton2_, radioButton5_}) {
        connect(button, &QRadioButton::clicked, this, &TParkeerduurmetingForm::ApplyReportKind);
    }
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(radioButton1_);
    kinds->addWidget(radioButton2_);
    kinds->addWidget(radioButton5_);
    kinds->addStretch();

    pageControl1_ = Named<QTabWidget>("PageControl1");
    pageControl1_->addTab(MakeSelectionPage(), QStringLiteral("Inperking"));
    pageControl1_->addTab(MakePerPlacePage(), QStringLiteral("Per parkeerplaats"));
    pageControl1_->addTab(MakeIntervalPage(), QStringLiteral("Naar interval"));
    pageControl1_->addTab(MakeMotivePage(), QStringLiteral("Parkeermotief"));

    const DialogButtons buttons = MakeDialogButtons(this, kHelpTopic, QStringLiteral("&Rapport"));
    button1_ = buttons.ok;
    helpButton_ = buttons.help;
    helpButton_->setObjectName(QStringLiteral("SpeedButton3"));
    connect(button1_, &QPushButton::clicked, this, &TParkeerduurmetingForm::Button1Click);
    // Why "&Rapport" is disabled shows beside it, whichever page is open.
    buttons.row->insertWidget(2, label34_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(pageControl1_, 1);
    layout->addLayout(buttons.row);
    resize(820, 520);
}

QListWidget* TParkeerduurmetingForm::MakeNarrowingList(const char* name, NarrowingLevel level) {
    auto* list = Named<QListWidget>(name);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The places list can hold many thousands of lines of one width; the others hold names of
    // any length, which must reach their full width and a horizontal scroll bar.
    list->setUniformItemSizes(level == NarrowingLevel::Places);
    list->setFont(FixedPitchFont());
    connect(list, &QListWidget::itemSelectionChanged, this, [this, level] {
        if (!filling_) {
            ListClicked(level);
        }
    });
    lists_[IndexOf(level)] = list;
    return list;
}

QWidget* TParkeerduurmetingForm::MakeSelectionPage() {
    auto* page = Named<QWidget>("TabSheet1");
    startTijd_ = new TimeField("StartTijdEdit", "StartTijdSpinButton");
    eindTijd_ = new TimeField("EindTijdEdit", "EindTijdSpinButton");
    for (TimeField* field : {startTijd_, eindTijd_}) {
        field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        field->RefuseInvalidText();
        connect(field, &TimeField::Changed, this, [this] {
            selection_.SetWindow(context_.survey, startTijd_->Text(), eindTijd_->Text());
        });
        connect(field, &TimeField::Refused, this, [this, field] { TimeIsWholeNumber(field); });
    }
    auto* period = new QHBoxLayout;
    period->addWidget(LabelFor("Label1", QStringLiteral("P&eriode:"), startTijd_->Edit()));
    period->addWidget(startTijd_);
    period->addWidget(Named<QLabel>("Label2", QStringLiteral("tot")));
    period->addWidget(eindTijd_);
    period->addWidget(Named<QLabel>("Label3", QStringLiteral("uur")));
    period->addStretch();

    const struct {
        const char* name;
        const char* labelName;
        const char* caption;
        NarrowingLevel level;
        int stretch;
        int fixedCharacters;  // 0: as wide as the dialog allows
    } lists[] = {
        {"RoutesListBox", "Label4", "Ro&utes:", NarrowingLevel::Routes, 1, 0},
        {"SectiesListBox", "Label5", "&Secties:", NarrowingLevel::Sections, 1, 0},
        {"ParkeerplaatsenListBox", "Label6", "&Parkeer-\nplaatsen:", NarrowingLevel::Places, 0, 16},
        {"TypePpListBox", "Label7", "&Type parkeerplaatsen:", NarrowingLevel::Types, 0, 6},
    };
    auto* grid = new QGridLayout;
    for (int column = 0; column < 4; ++column) {
        const auto& entry = lists[column];
        QListWidget* list = MakeNarrowingList(entry.name, entry.level);
        if (entry.fixedCharacters > 0) {
            const int text =
                list->fontMetrics().horizontalAdvance(QString(entry.fixedCharacters, u'0'));
            list->setFixedWidth(text + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                                2 * list->frameWidth() + 8);
        }
        QLabel* label = LabelFor(entry.labelName, QString::fromUtf8(entry.caption), list);
        grid->addWidget(label, 0, column, Qt::AlignLeft | Qt::AlignBottom);
        grid->addWidget(list, 1, column);
        grid->setColumnStretch(column, entry.stretch);
    }
    auto* hint =
        Named<QLabel>("Label8", QStringLiteral("Meerderen selecteren:\n- shift+klik\n- ctrl+klik"));
    grid->addWidget(hint, 1, 4, Qt::AlignTop);

    auto* layout = new QVBoxLayout(page);
    layout->addLayout(period);
    layout->addLayout(grid, 1);
    return page;
}

QWidget* TParkeerduurmetingForm::MakePerPlacePage() {
    auto* page = Named<QWidget>("TabSheet2");
    auto* classes = Named<QGroupBox>("GroupBox1", QStringLiteral(" Parkeerduur&verdeling: "));
    auto* grid = new QGridLayout(classes);
    for (int k = 0; k < kDurationClassCount; ++k) {
        for (int bound = 0; bound < 2; ++bound) {
            const std::size_t index = static_cast<std::size_t>(2 * k + bound);
            const std::string name = "SpinEdit" + std::to_string(index + 1);
            auto* spin = Named<QSpinBox>(name.c_str());
            spin->setRange(0, kMaxClassBound);
            spin->setSingleStep(kClassStep);
            connect(spin, &QSpinBox::valueChanged, this, [this] {
                if (!filling_) {
                    classesChanged_ = true;
                }
            });
            spinEdits_[index] = spin;
        }
        auto label = [k](int first, const QString& text) {
            const std::string name = "Label" + std::to_string(first + k);
            return Named<QLabel>(name.c_str(), text);
        };
        grid->addWidget(label(11, QStringLiteral("Categorie %1:").arg(k + 1)), k, 0);
        grid->addWidget(spinEdits_[static_cast<std::size_t>(2 * k)], k, 1);
        grid->addWidget(label(16, QStringLiteral("tot")), k, 2);
        grid->addWidget(spinEdits_[static_cast<std::size_t>(2 * k + 1)], k, 3);
        grid->addWidget(label(21, QStringLiteral("minuten")), k, 4);
    }
    grid->setColumnStretch(5, 1);

    auto* capacity = Named<QGroupBox>("GroupBox2", QStringLiteral(" Parkeercapaciteit: "));
    checkBox1_ = Named<QCheckBox>(
        "CheckBox1",
        QStringLiteral("Illegale parkeerplaatsen meetellen bij bepalen capaciteit pp&l"));
    checkBox2_ = Named<QCheckBox>(
        "CheckBox2",
        QStringLiteral("&Illegale parkeerplaatsen meetellen bij bepalen capaciteit ppe"));
    auto* capacityLayout = new QGridLayout(capacity);
    int row = 0;
    for (QCheckBox* box : {checkBox1_, checkBox2_}) {
        box->setChecked(true);
        const std::string noteName = "Label" + std::to_string(26 + row);
        capacityLayout->addWidget(box, row, 0);
        capacityLayout->addWidget(
            Named<QLabel>(noteName.c_str(), QStringLiteral("(Totaal/Gemiddeld onderaan tabel)")),
            row++, 1);
    }

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(classes);
    layout->addWidget(capacity);
    layout->addStretch();
    return page;
}

QWidget* TParkeerduurmetingForm::MakeIntervalPage() {
    auto* page = Named<QWidget>("TabSheet3");
    intervalListBox_ = Named<QListWidget>("IntervalListBox");
    intervalListBox_->setSelectionMode(QAbstractItemView::NoSelection);
    intervalListBox_->setFixedSize(90, 110);
    label34_ = Named<QLabel>("Label34", QStringLiteral("Parkeerduurmeting NIET mogelijk!"));
    label34_->setStyleSheet(QStringLiteral("color: red; font-weight: bold"));
    label34_->hide();
    auto* intervals = new QHBoxLayout;
    intervals->addWidget(intervalListBox_);
    intervals->addWidget(Named<QLabel>("Label33", QStringLiteral("minuten.")), 0, Qt::AlignTop);
    intervals->addStretch();

    checkBox3_ = Named<QCheckBox>("CheckBox3", QStringLiteral("&Detaillijst toevoegen"));
    auto* sorting = Named<QGroupBox>("GroupBox3", QStringLiteral(" Sorteren: "));
    auto* chronological = Named<QRadioButton>("RadioButton3", QStringLiteral("&Chronologisch"));
    radioButton4_ = Named<QRadioButton>("RadioButton4", QStringLiteral("Op aantal &voertuigen"));
    chronological->setChecked(true);
    auto* sortingLayout = new QVBoxLayout(sorting);
    sortingLayout->addWidget(chronological);
    sortingLayout->addWidget(radioButton4_);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(Named<QLabel>(
        "Label31",
        QStringLiteral("Parkeerduurmeting naar interval alleen mogelijk als alle geselecteerde\n"
                       "routes hetzelfde waarnemingsinterval hebben.")));
    layout->addWidget(Named<QLabel>(
        "Label32",
        QStringLiteral("Waarnemingsintervallen geselecteerde routes (niet op volgorde):")));
    layout->addLayout(intervals);
    layout->addWidget(checkBox3_);
    layout->addWidget(sorting, 0, Qt::AlignLeft);
    layout->addStretch();
    return page;
}

QWidget* TParkeerduurmetingForm::MakeMotivePage() {
    auto* page = Named<QWidget>("TabSheet4");
    ochtendTijd_ = new TimeField("OchtendTijdEdit", "OchtendTijdSpinButton");
    avondTijd_ = new TimeField("AvondTijdEdit", "AvondTijdSpinButton");
    for (TimeField* field : {ochtendTijd_, avondTijd_}) {
        field->RefuseInvalidText();
        connect(field, &TimeField::Refused, this, [this, field] { TimeIsWholeNumber(field); });
    }
    werknemerSpinEdit_ = Named<QSpinBox>("WerknemerSpinEdit");
    werknemerSpinEdit_->setRange(0, kMaxCommuterMinutes);
    werknemerSpinEdit_->setSingleStep(kClassStep);
    const struct {
        const char* labelName;
        const char* caption;
        QWidget* field;
        QWidget* buddy;
        const char* noteName;
        const char* note;
    } rows[] = {
        {"Label40", "&Ochtendgrens:", ochtendTijd_, ochtendTijd_->Edit(), "Label41",
         "uur: een periode die eerder begint, maakt een bewoner"},
        {"Label42", "Avond&grens:", avondTijd_, avondTijd_->Edit(), "Label43",
         "uur: een periode die later eindigt, maakt een bewoner"},
        {"Label44", "&Werknemer vanaf:", werknemerSpinEdit_, werknemerSpinEdit_, "Label45",
         "minuten geparkeerd in totaal, en geen bewoner"},
    };
    auto* bounds = Named<QGroupBox>("GroupBox4", QStringLiteral(" Grenzen: "));
    auto* grid = new QGridLayout(bounds);
    int row = 0;
    for (const auto& entry : rows) {
        entry.field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        grid->addWidget(LabelFor(entry.labelName, QString::fromUtf8(entry.caption), entry.buddy),
                        row, 0);
        grid->addWidget(entry.field, row, 1);
        grid->addWidget(Named<QLabel>(entry.noteName, QString::fromUtf8(entry.note)), row++, 2);
    }
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(bounds);
    layout->addWidget(Named<QLabel>(
        "Label46", QStringLiteral("Bezoeker: alle andere voertuigen. Een voertuig is een kenteken "
                                  "in de hele selectie,\nook als het op verschillende "
                                  "parkeerplaatsen stond.")));
    layout->addStretch();
    return page;
}

void TParkeerduurmetingForm::Execute(ReportKind kind) {
    run_ = runReport_;
    QRadioButton* chosen = kind == ReportKind::PerPlace      ? radioButton1_
                           : kind == ReportKind::PerInterval ? radioButton2_
                                                             : radioButton5_;
    chosen->setChecked(true);
    pageControl1_->setCurrentIndex(0);
    Open();
    ShowModal(this);
    if (button1_->isEnabled()) {
        button1_->setFocus();
    }
}

void TParkeerduurmetingForm::ExecuteForCharts(
    std::function<void(const AnalysisParameters&)> showCharts) {
    if (!selection_.List(NarrowingLevel::Routes).Empty()) {
        showCharts(RunParameters());
        return;
    }
    Execute(ReportKind::PerPlace);
    run_ = std::move(showCharts);
}

void TParkeerduurmetingForm::ResetAnalysisSelection() {
    selection_.Reset();
}

void TParkeerduurmetingForm::Open() {
    BusyCursor busy;
    SetParametersEnabled(true);
    if (selection_.Open(context_.survey)) {
        ShowLists(NarrowingLevel::Routes);
    }
    ShowWindow();
    const MotiveBounds& saved = context_.shell.Settings().motiveBounds;
    ochtendTijd_->SetText(saved.morning);
    avondTijd_->SetText(saved.evening);
    werknemerSpinEdit_->setValue(saved.commuterMinutes);
    filling_ = true;
    for (int k = 0; k < kDurationClassCount; ++k) {
        const DurationClass& bounds =
            context_.survey.AlgemeneGegevens.durationClasses[static_cast<std::size_t>(k)];
        spinEdits_[static_cast<std::size_t>(2 * k)]->setValue(bounds.from);
        spinEdits_[static_cast<std::size_t>(2 * k + 1)]->setValue(bounds.to);
    }
    filling_ = false;
    CheckIntervals();
    classesChanged_ = false;
    ApplyReportKind();
}

// The window in force: typed, or the default window of the places selected now.
void TParkeerduurmetingForm::ShowWindow() {
    const TimeWindow& window = selection_.Window(context_.survey);
    startTijd_->SetText(window.start);
    eindTijd_->SetText(window.end);
}

// Shows the engine's lists from the given level down, every entry as the engine selects it.
void TParkeerduurmetingForm::ShowLists(NarrowingLevel from) {
    filling_ = true;
    for (std::size_t i = IndexOf(from); i < kLevels.size(); ++i) {
        const NarrowingList& entries = selection_.List(kLevels[i]);
        QListWidget* list = lists_[i];
        std::vector<std::string> texts;
        texts.reserve(entries.Count());
        for (std::size_t row = 0; row < entries.Count(); ++row) {
            texts.push_back(entries.Entry(row));
        }
        FillList(list, texts);
        list->selectAll();
    }
    filling_ = false;
}

void TParkeerduurmetingForm::ListClicked(NarrowingLevel level) {
    BusyCursor busy;
    const std::vector<bool> selected = SelectedRows(lists_[IndexOf(level)]);
    for (std::size_t row = 0; row < selected.size(); ++row) {
        selection_.SetSelected(level, row, selected[row]);
    }
    if (level == NarrowingLevel::Types) {
        return;
    }
    selection_.Rebuild(context_.survey, level);
    ShowLists(kLevels[IndexOf(level) + 1]);
    ShowWindow();
    if (level == NarrowingLevel::Routes) {
        CheckIntervals();
    }
}

ReportKind TParkeerduurmetingForm::ChosenKind() const {
    return radioButton1_->isChecked()   ? ReportKind::PerPlace
           : radioButton2_->isChecked() ? ReportKind::PerInterval
                                        : ReportKind::Motive;
}

void TParkeerduurmetingForm::CheckIntervals() {
    const std::vector<std::string> intervals = selection_.Intervals(context_.survey);
    FillList(intervalListBox_, intervals);
    const bool equal = IntervalsEqual(intervals);
    label34_->setVisible(!equal);
    button1_->setEnabled(!running_ && (ChosenKind() != ReportKind::PerInterval || equal));
}

void TParkeerduurmetingForm::ApplyReportKind() {
    const ReportKind kind = ChosenKind();
    const bool pageOfKind[] = {true, kind == ReportKind::PerPlace, kind == ReportKind::PerInterval,
                               kind == ReportKind::Motive};
    for (int page = 1; page < 4; ++page) {
        pageControl1_->setTabVisible(page, pageOfKind[page]);
        // Ctrl+Tab skips disabled pages only, so a hidden page is disabled as well.
        pageControl1_->setTabEnabled(page, pageOfKind[page]);
    }
    if (isVisible()) {
        CheckIntervals();
    }
}

// A time that is no whole number is named in a notice; the text stays as typed and the focus
// goes back to the field for the correction.
bool TParkeerduurmetingForm::TimeIsWholeNumber(TimeField* field) {
    const std::string text = field->Text();
    if (IsInteger(text)) {
        return true;
    }
    const char* nameKey = field == startTijd_     ? "AA00261"
                          : field == eindTijd_    ? "AA00262"
                          : field == ochtendTijd_ ? "AA00668"
                                                  : "AA00669";
    WarningNotice(context_.shell.CurrentPrompter(),
                  FormatText(MessageText("AA00260"), {text, MessageText(nameKey)}));
    field->Edit()->setFocus();
    return false;
}

// The run reads its times as whole numbers; anything else is refused before it starts.
bool TParkeerduurmetingForm::TimesAreWholeNumbers() {
    const bool motive = ChosenKind() == ReportKind::Motive;
    return TimeIsWholeNumber(startTijd_) && TimeIsWholeNumber(eindTijd_) &&
           (!motive || (TimeIsWholeNumber(ochtendTijd_) && TimeIsWholeNumber(avondTijd_)));
}

void TParkeerduurmetingForm::Button1Click() {
    if (!TimesAreWholeNumbers()) {
        return;
    }
    {
        BusyCursor busy;
        running_ = true;
        SetParametersEnabled(false);
        GeneralValues& general = context_.survey.AlgemeneGegevens;
        for (std::size_t k = 0; k < general.durationClasses.size(); ++k) {
            general.durationClasses[k] = {spinEdits_[2 * k]->value(),
                                          spinEdits_[2 * k + 1]->value()};
        }
        if (classesChanged_) {
            context_.survey.ProjectChanged = true;
            context_.shell.UpdateCommandStates(false);
        }
        selection_.SetWindow(context_.survey, startTijd_->Text(), eindTijd_->Text());
        if (ChosenKind() == ReportKind::Motive) {
            context_.shell.Settings().motiveBounds = BoundsShown();
        }
        run_(RunParameters());
        running_ = false;
    }
    if (context_.progress.Cancelled()) {
        QDialog::reject();
    } else {
        accept();
    }
}

AnalysisParameters TParkeerduurmetingForm::RunParameters() const {
    AnalysisParameters parameters = selection_.Parameters(context_.survey, ChosenKind());
    parameters.countIllegalInPpl = checkBox1_->isChecked();
    parameters.countIllegalInPpe = checkBox2_->isChecked();
    parameters.addDetailList = checkBox3_->isChecked();
    parameters.sortByVehicles = radioButton4_->isChecked();
    parameters.motiveBounds = BoundsShown();
    return parameters;
}

// The bounds in four digits, as leaving the time fields writes them.
MotiveBounds TParkeerduurmetingForm::BoundsShown() const {
    return {TimeFieldAfterFocusLoss(ochtendTijd_->Text()),
            TimeFieldAfterFocusLoss(avondTijd_->Text()), werknemerSpinEdit_->value()};
}

// During a run only "&Annuleren" reacts.
void TParkeerduurmetingForm::SetParametersEnabled(bool enabled) {
    for (QWidget* widget : std::initializer_list<QWidget*>{
             pageControl1_, button1_, helpButton_, radioButton1_, radioButton2_, radioButton5_}) {
        widget->setEnabled(enabled);
    }
}

// "&Annuleren", Escape or the close box. During a run it stops the run and the dialog closes
// when the run returns: until then it stays modal, so that no click reaches the report window
// being written.
void TParkeerduurmetingForm::reject() {
    if (running_) {
        context_.progress.RequestCancel();
        return;
    }
    QDialog::reject();
}

}  // namespace tavoric
