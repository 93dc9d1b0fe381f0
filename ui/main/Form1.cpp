#include "Form1.h"

#include "AcceptabilityLimit.h"
#include "FatalError.h"
#include "Form1Layout.h"
#include "Form2.h"
#include "ModelError.h"
#include "PdfReport.h"
#include "Report.h"
#include "ReportPrinting.h"
#include "ReportSaving.h"
#include "ResultsTable.h"
#include "Thickness.h"
#include "ThicknessList.h"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QSysInfo>

#include <memory>

namespace siltmere::ui {

namespace {

ResultRow rowOf(const Controls& controls, const ResultRowSpec& row)
{
    std::array<QLineEdit*, kSubestuaries> boxes{};
    for (std::size_t i = 0; i < boxes.size(); ++i)
        boxes[i] = controls.get<QLineEdit>(toQString(row.boxes[i]));
    return ResultRow(boxes);
}

QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

Form1::Form1(QWidget* parent)
    : QWidget(parent)
    , controls_(buildForm(*this, form1::kWindow, form1::kControls, form1::kLines))
{
    List1 = controls_.get<QListWidget>(QStringLiteral("List1"));
    List1->setSelectionModel(new SingleChoiceSelectionModel(List1->model(), List1));
    AcceptanceBox = controls_.get<QLineEdit>(QStringLiteral("AcceptanceBox"));
    Option1 = controls_.get<QRadioButton>(QStringLiteral("Option1"));
    Option2 = controls_.get<QRadioButton>(QStringLiteral("Option2"));
    Command1 = controls_.get<QPushButton>(QStringLiteral("Command1"));
    Command2 = controls_.get<QPushButton>(QStringLiteral("Command2"));
    Command3 = controls_.get<QPushButton>(QStringLiteral("Command3"));
    Command4 = controls_.get<QPushButton>(QStringLiteral("Command4"));
    Label16 = controls_.get<QLabel>(QStringLiteral("Label16"));
    for (const ResultRowSpec& row : kResultRows)
        rows_[indexOf(row.id)] = rowOf(controls_, row);

    nameResultBoxes();
    describeLimitFormat();
    offerCopyResults();
    offerOverview();
    offerSaveReport();
    offerPrintReport();
    connectHandlers();
    guarded([this] { Form_Load(); })();
}

Form1::~Form1()
{
    delete form2_.data();
    delete overview_.data();
}

void Form1::connectHandlers()
{
    // Every handler runs through guarded(): an error escaping any of them
    // ends the program with a report.
    connect(List1, &QListWidget::itemSelectionChanged, this, guarded([this] { List1_Click(); }));
    connect(AcceptanceBox, &QLineEdit::textChanged, this, guarded([this] { AcceptanceBox_Change(); }));
    connect(Option1, &QRadioButton::toggled, this, guarded([this] {
                if (Option1->isChecked())
                    Option1_Click();
            }));
    connect(Option2, &QRadioButton::toggled, this, guarded([this] {
                if (Option2->isChecked())
                    Option2_Click();
            }));
    connect(Command1, &QPushButton::clicked, this, guarded([this] { Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, guarded([this] { Command2_Click(); }));
    connect(Command3, &QPushButton::clicked, this, guarded([this] { Command3_Click(); }));
    connect(Command4, &QPushButton::clicked, this, guarded([this] { Command4_Click(); }));
}

// A screen reader says which row and subestuary a result box is for.
void Form1::nameResultBoxes()
{
    for (const ResultRowSpec& row : kResultRows) {
        for (int k = 1; k <= kSubestuaries; ++k)
            resultBox(row.id, k).setAccessibleName(tr("%1, subestuary %2").arg(toQString(row.spokenName)).arg(k));
    }
}

// The limit is read in the desktop's number format and, where a text is not
// a number there, with the other decimal separator; the box says both, in the
// desktop's digits, since any other text turns into "0" at once.
void Form1::describeLimitFormat()
{
    const QString example = limitFormatExample();
    AcceptanceBox->setToolTip(tr("Acceptability limit in percent: %1").arg(example));
    AcceptanceBox->setAccessibleDescription(AcceptanceBox->accessibleDescription() + QStringLiteral("; ") + example);
}

// "Copy results" from the keyboard anywhere in the window, and from the
// context menu anywhere in it: the window's own menu, and over a text box the
// box's usual editing menu with the same entry added.
void Form1::offerCopyResults()
{
    copyResultsAction_ = new QAction(tr("Copy results"), this);
    copyResultsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    copyResultsAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(copyResultsAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copyResultsAction_, &QAction::triggered, this, guarded([this] { copyResults(); }));
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QLineEdit::customContextMenuRequested, this, [this, box](const QPoint& position) {
            guarded([this, box, position] { showBoxMenu(*box, position); })();
        });
    }
}

void Form1::showBoxMenu(QLineEdit& box, const QPoint& position)
{
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    menu->addSeparator();
    menu->addAction(copyResultsAction_);
    menu->addAction(overviewAction_);
    menu->addAction(saveReportAction_);
    menu->addAction(printReportAction_);
    menu->addAction(printPreviewAction_);
    menu->exec(box.mapToGlobal(position));
}

// The overview from the keyboard anywhere in the window, and from the same
// context menus as "Copy results", beside it.
void Form1::offerOverview()
{
    overviewAction_ = new QAction(tr("Overview of all thicknesses and scenarios\u2026"), this);
    overviewAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
    overviewAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(overviewAction_);
    connect(overviewAction_, &QAction::triggered, this, guarded([this] { openOverview(); }));
}

void Form1::openOverview()
{
    // Built on first use: the window's own start-up does not wait for it.
    if (!overview_) {
        overview_ =
            new OverviewWindow(AcceptanceBox->text(), parseAcceptabilityLimit(AcceptanceBox->text()).value_or(0));
        // The report, with the overview's tables, from the overview too.
        overview_->addAction(saveReportAction_);
        overview_->addAction(printReportAction_);
        overview_->addAction(printPreviewAction_);
        updateOverview();
    }
    const bool alreadyShown = overview_->isVisible();
    overview_->show();
    if (alreadyShown)
        overview_->raise();
    overview_->activateWindow();
}

void Form1::updateOverview()
{
    if (!overview_)
        return;
    // The limit box never keeps a text that is not a number: it turns into
    // "0" at once.
    const QString limit = AcceptanceBox->text();
    if (const std::optional<double> value = parseAcceptabilityLimit(limit);
        value && limit != overview_->results().limit)
        overview_->showLimit(limit, *value);
    // The combination as the model holds it: its thickness row and scenario.
    overview_->outlineCombination(model_.ThickIdx - 1, model_.ScenarioNo == kScenarios[0].number ? 0 : 1);
}

ShownResults Form1::shownResults() const
{
    // The inputs as the planner chose them, the results as the handlers last
    // showed them.
    ShownResults shown;
    const QList<QListWidgetItem*> chosen = List1->selectedItems();
    shown.thickness = chosen.isEmpty() ? QString() : chosen.first()->text();
    shown.scenario = (Option1->isChecked() ? Option1 : Option2)->text();
    shown.limit = AcceptanceBox->text();
    shown.limitValue = parseAcceptabilityLimit(shown.limit);
    shown.rows = shown_;
    return shown;
}

void Form1::copyResults() const
{
    const ResultsTable table = buildResultsTable(shownResults());
    auto* mime = new QMimeData;
    mime->setText(table.text);
    mime->setHtml(table.html);
    QGuiApplication::clipboard()->setMimeData(mime);
}

// "Save report as PDF…" beside "Copy results": from the keyboard anywhere in
// the window, and in the same context menus (showBoxMenu adds it to the text
// boxes' menus).
void Form1::offerSaveReport()
{
    saveReportAction_ = new QAction(tr("Save report as PDF…"), this);
    saveReportAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    saveReportAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(saveReportAction_);
    connect(saveReportAction_, &QAction::triggered, this, guarded([this] { saveReport(); }));
}

void Form1::saveReport()
{
    // The platform's own dialog, which also asks before replacing a file.
    // It starts in the documents folder, or where this run last saved one.
    const QString folder =
        reportFolder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : reportFolder_;
    const QString proposed = QDir(folder).filePath(proposedReportName(QDate::currentDate()));
    const QString path =
        QFileDialog::getSaveFileName(this, tr("Save report as PDF"), proposed, tr("PDF files (*.pdf)"));
    if (path.isEmpty())
        return;

    if (!saveReportWithRetry(this, currentReport(), path, reportPageSize()))
        return;
    // Only a folder that took a report is proposed again.
    reportFolder_ = QFileInfo(path).absolutePath();
}

Report Form1::currentReport() const
{
    const ReportStamp stamp{QDateTime::currentDateTime(), QStringLiteral(SILTMERE_VERSION),
                            QSysInfo::prettyProductName()};
    return buildReport(shownResults(), overviewResults(), stamp);
}

void Form1::offerPrintReport()
{
    printReportAction_ = new QAction(printReportEntry(), this);
    printReportAction_->setShortcut(printReportShortcut());
    printReportAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(printReportAction_);
    connect(printReportAction_, &QAction::triggered, this, guarded([this] { printReport(this, currentReport()); }));
    printPreviewAction_ = new QAction(printPreviewEntry(), this);
    addAction(printPreviewAction_);
    connect(printPreviewAction_, &QAction::triggered, this, guarded([this] { previewReport(this, currentReport()); }));
}

QLabel* Form1::Label15(int index) const
{
    return controls_.get<QLabel>(QStringLiteral("Label15(%1)").arg(index));
}

// --- shared steps -------------------------------------------------------

void Form1::fillStrRowWithZeros()
{
    // assign() rather than `= "0"`: GCC 12 at -O2 and above mistakes the
    // inlined copy of a string literal into a string for an overlapping copy
    // (a -Wrestrict false positive).
    for (int k = 1; k <= kSubestuaries; ++k)
        model_.strRow(k).assign(1, '0');
}

// Shows a result in box k of `row`, enabled when it is filled, and keeps it
// as what the window shows.
QLineEdit& Form1::showBox(ResultRowId row, int k, const ShownBox& shown)
{
    shown_[indexOf(row)][static_cast<std::size_t>(k - 1)] = shown;
    QLineEdit& box = resultBox(row, k);
    box.setEnabled(shown.filled);
    box.setText(shown.text);
    return box;
}

// Shows "0" greyed out. A judged row also loses the verdict of an earlier
// comparison: its colour goes back to white and its description to the
// plain one.
void Form1::clearRow(ResultRowId row)
{
    const ResultRowSpec& spec = resultRow(row);
    for (int k = 1; k <= kSubestuaries; ++k) {
        QLineEdit& box = showBox(row, k, {toQString(kClearedText), false, Verdict::None});
        if (spec.judged) {
            setBackColor(box, verdictColor(Verdict::None));
            box.setAccessibleDescription(toQString(spec.description));
        }
    }
}

// Says in words what the box's colour says: within or above the limit.
void Form1::describeComparison(QLineEdit& box, Verdict verdict, const QString& limit)
{
    QString words;
    switch (verdict) {
    case Verdict::Within:
        words = tr("within the acceptability limit of %1%, shown green").arg(limit);
        break;
    case Verdict::Above:
        words = tr("above the acceptability limit of %1%, shown red").arg(limit);
        break;
    case Verdict::None:
        words = tr("no exceedances under the existing land use, so no increase to compare");
        break;
    }
    box.setAccessibleDescription(toQString(resultRow(ResultRowId::Percentage).description) + QStringLiteral(": ") +
                                 words);
}

// Every result row cleared and the later steps disabled, after a change of
// thickness or limit.
void Form1::clearAllSteps()
{
    fillStrRowWithZeros();
    clearRow(ResultRowId::CriticalLoads);
    Command2->setEnabled(false);
    clearRow(ResultRowId::Baseline);
    clearRow(ResultRowId::Scenario);
    Command3->setEnabled(false);
    clearRow(ResultRowId::Percentage);
}

// Shows the model's row texts.
void Form1::fillRow(ResultRowId row)
{
    for (int k = 1; k <= kSubestuaries; ++k)
        showBox(row, k, {text(model_.strRow(k)), true, Verdict::None});
}

// Exactly one of the three scenario captions is visible: 0 "Earthworks",
// 1 "... with Controls", 2 "... without Controls".
void Form1::showScenarioCaption(int index)
{
    for (int i = 0; i <= 2; ++i)
        Label15(i)->setVisible(i == index);
}

// --- handlers -------------------------------------------------------------

void Form1::Form_Load()
{
    for (const auto& choice : kThicknessChoices)
        List1->addItem(toQString(choice.label));
    // Selecting the start-up thickness runs List1_Click right here, before
    // the model is initialised: it sets the thickness and clears every row.
    List1->setCurrentRow(kStartupThicknessPosition);
    model_.Init_Model();
    showScenarioCaption(0);
    Label16->setVisible(false);
    List1->setFocus();
}

void Form1::List1_Click()
{
    const QModelIndexList selected = List1->selectionModel()->selectedRows();
    model_.Select_Thickness(selected.isEmpty() ? -1 : selected.first().row());
    clearAllSteps();
    showScenarioCaption(0);
    Label16->setVisible(false);
    updateOverview();
}

void Form1::AcceptanceBox_Change()
{
    // Replacing a text that is not a number runs this handler again at once,
    // for the "0"; the clearing below then simply runs twice.
    if (!parseAcceptabilityLimit(AcceptanceBox->text()))
        AcceptanceBox->setText(QStringLiteral("0"));
    // Only the percentages depend on the limit, but a new limit starts all
    // three steps afresh.
    clearAllSteps();
    Label16->setVisible(false);
    updateOverview();
}

void Form1::Option1_Click()
{
    chooseScenario(1);
}

void Form1::Option2_Click()
{
    chooseScenario(2);
}

// The loads, the baseline and Command2 do not depend on the scenario and
// stay; the scenario's caption changes at once, its row shows zeros until
// Command2 is pressed again.
void Form1::chooseScenario(std::int16_t scenarioNo)
{
    model_.ScenarioNo = scenarioNo;
    fillStrRowWithZeros();
    clearRow(ResultRowId::Scenario);
    Command3->setEnabled(false);
    clearRow(ResultRowId::Percentage);
    showScenarioCaption(scenarioNo);
    Label16->setVisible(false);
    updateOverview();
}

void Form1::Command1_Click()
{
    model_.Calc_CriticalLoads();
    fillRow(ResultRowId::CriticalLoads);
    Command2->setEnabled(true);
}

void Form1::Command2_Click()
{
    model_.Lookup_Exceedances(model_.strBaseline);
    fillRow(ResultRowId::Baseline);
    model_.Lookup_Exceedances(model_.ScenarioTable());
    fillRow(ResultRowId::Scenario);
    Command3->setEnabled(true);
    showScenarioCaption(Option1->isChecked() ? 1 : 2);
}

void Form1::Command3_Click()
{
    const QString limitText = AcceptanceBox->text();
    const std::optional<double> limit = parseAcceptabilityLimit(limitText);
    if (!limit)
        throw ModelError::typeMismatch(limitText.toStdString());
    model_.Calc_PctIncrease(*limit);
    for (int k = 1; k <= kSubestuaries; ++k) {
        const Verdict verdict = verdictOf(model_.PctFlag(k));
        QLineEdit& box = showBox(ResultRowId::Percentage, k, {text(model_.strRow(k)), true, verdict});
        // No percentage ("n/a") keeps the box's white.
        if (verdict != Verdict::None)
            setBackColor(box, verdictColor(verdict));
        describeComparison(box, verdict, limitText);
    }
    Label16->setVisible(true);
}

void Form1::Command4_Click()
{
    if (!form2_)
        form2_ = new Form2();
    // A window that is already open comes to the front rather than staying
    // hidden behind the main window.
    const bool alreadyShown = form2_->isVisible();
    form2_->show();
    if (alreadyShown)
        form2_->raise();
    form2_->activateWindow();
}

// --- window -------------------------------------------------------------

void Form1::closeEvent(QCloseEvent* event)
{
    // The run ends with the main window, whatever the other windows are
    // doing: an open background window or overview would otherwise keep it
    // alive.
    if (form2_)
        form2_->close();
    if (overview_)
        overview_->close();
    QWidget::closeEvent(event);
}

} // namespace siltmere::ui
