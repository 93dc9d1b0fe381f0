#include "Form1.h"

#include "AcceptabilityLimit.h"
#include "AssessmentSteps.h"
#include "FatalError.h"
#include "Form1Layout.h"
#include "Form2.h"
#include "MenuBar.h"
#include "PdfReport.h"
#include "Report.h"
#include "ReportPrinting.h"
#include "ResultsTable.h"
#include "Thickness.h"
#include "WindowCommands.h"
#include "Working.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QSysInfo>

#include <functional>
#include <memory>

namespace siltmere::ui {

namespace {

// Tells of a widget that takes the focus by the planner's hand (a click, Tab,
// a shortcut), not by its window coming to the front again.
class PickedFilter : public QObject {
public:
    PickedFilter(std::function<void(QObject*)> picked, QObject* parent)
        : QObject(parent)
        , picked_(std::move(picked))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                reason == Qt::ShortcutFocusReason)
                picked_(watched);
        }
        return false;
    }

private:
    std::function<void(QObject*)> picked_;
};

// The thickness list's selection, single-choice as a desktop user knows it:
// clicking or pressing keys moves the one selection, but nothing the user
// does can leave the list with no entry selected (Ctrl+click and Ctrl+Space
// would in a plain Qt list).
class SingleChoiceSelectionModel : public QItemSelectionModel {
public:
    using QItemSelectionModel::QItemSelectionModel;

    void select(const QModelIndex& index, SelectionFlags command) override
    {
        if (!wouldEmpty(command))
            QItemSelectionModel::select(index, command);
    }

    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        if (!wouldEmpty(command))
            QItemSelectionModel::select(selection, command);
    }

private:
    bool wouldEmpty(SelectionFlags command) const
    {
        const bool selects = command & (Select | Clear);
        const bool removes = command & (Deselect | Toggle);
        return removes && !selects && hasSelection();
    }
};

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
    for (const ResultRowSpec& row : kResultRows) {
        for (std::size_t i = 0; i < row.boxes.size(); ++i)
            boxes_[indexOf(row.id)][i] = controls_.get<QLineEdit>(toQString(row.boxes[i]));
    }

    nameResultBoxes();
    describeLimitFormat();
    offerCommands();
    offerBoxMenus();
    followPickedBoxes();
    connectHandlers();
    // Every command also in a menu bar above the designed area: the same
    // actions as the context menus' and the shortcuts'.
    MainCommands commands{.saveReport = saveReportAction_,
                          .print = printReportAction_,
                          .printPreview = printPreviewAction_,
                          .copyResults = copyResultsAction_,
                          .overview = overviewAction_,
                          .background = pressingAction(*Command4),
                          .working = workingAction_};
    addProgramCommands(*this, commands);
    placeMenuBar(*this, *buildMainMenuBar(this, commands));
    guarded([this] { Form_Load(); })();
}

Form1::~Form1()
{
    delete form2_.data();
    delete overview_.data();
    delete working_.data();
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

// Every command from the keyboard anywhere in the window, and from the
// context menu anywhere in it: the window's own menu, and over a text box the
// box's usual editing menu with the same entries added (showBoxMenu).
void Form1::offerCommands()
{
    copyResultsAction_ =
        addWindowCommand(*this, tr("Copy results"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), [this] {
            const ResultsTable table = buildResultsTable(assessment_);
            copyToClipboard(table.text, table.html);
        });
    setContextMenuPolicy(Qt::ActionsContextMenu);
    overviewAction_ = addWindowCommand(*this, tr("Overview of all thicknesses and scenarios\u2026"),
                                       QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), [this] { openOverview(); });
    saveReportAction_ = addWindowCommand(*this, saveReportTitle() + QStringLiteral("\u2026"),
                                         QKeySequence(Qt::CTRL | Qt::Key_S), [this] { saveReport(); });
    printReportAction_ = addWindowCommand(*this, printReportEntry(), printReportShortcut(),
                                          [this] { printReport(this, currentReport()); });
    printPreviewAction_ =
        addWindowCommand(*this, printPreviewEntry(), {}, [this] { previewReport(this, currentReport()); });
    // F1 is the key for help on the control in hand.
    workingAction_ =
        addWindowCommand(*this, tr("How was this worked out?"), QKeySequence(Qt::Key_F1), [this] { openWorking(); });
}

void Form1::offerBoxMenus()
{
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(box, &QLineEdit::customContextMenuRequested, this,
                guarded([this, box](const QPoint& position) { showBoxMenu(*box, position); }));
    }
}

void Form1::showBoxMenu(QLineEdit& box, const QPoint& position)
{
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    menu->addSeparator();
    // A filled result box first offers its working; the action reads which
    // box from menuBox_ while the menu is open.
    menuBox_ = box.isEnabled() ? resultBoxAt(&box) : std::nullopt;
    if (menuBox_) {
        menu->addAction(workingAction_);
        menu->addSeparator();
    }
    menu->addActions({copyResultsAction_, overviewAction_, saveReportAction_, printReportAction_, printPreviewAction_});
    menu->exec(box.mapToGlobal(position));
    menuBox_.reset();
}

void Form1::openOverview()
{
    // Built on first use: the window's own start-up does not wait for it.
    if (!overview_) {
        const AssessmentInputs& inputs = assessment_.inputs;
        overview_ = new OverviewWindow(QString::fromStdString(inputs.limitText), inputs.limitValue.value_or(0));
        // The report, with the overview's tables, from the overview too.
        overview_->addActions({saveReportAction_, printReportAction_, printPreviewAction_});
        placeMenuBar(*overview_, *buildOverviewMenuBar(overview_, {.saveReport = saveReportAction_,
                                                                   .print = printReportAction_,
                                                                   .printPreview = printPreviewAction_,
                                                                   .copyOverview = &overview_->copyAction()}));
        connect(overview_, &OverviewWindow::workingRequested, this,
                guarded([this](std::size_t scenario, std::size_t thickness, ResultRowId row, int k) {
                    showWorkingFor({row, k, std::make_pair(scenario, thickness)});
                }));
        updateOverview();
    }
    showOrRaise(*overview_);
}

void Form1::updateOverview()
{
    if (!overview_)
        return;
    // The limit box never keeps a text that is not a number: it turns into
    // "0" at once.
    const AssessmentInputs& inputs = assessment_.inputs;
    const QString limit = QString::fromStdString(inputs.limitText);
    if (inputs.limitValue && limit != overview_->results().limitText())
        overview_->showLimit(limit, *inputs.limitValue);
    overview_->outlineCombination(inputs.thicknessPosition, scenarioIndex(inputs.scenarioNo));
}

void Form1::followPickedBoxes()
{
    auto* follower = new PickedFilter(guarded([this](QObject* picked) {
                                          const std::optional<WorkingSubject> box = resultBoxAt(picked);
                                          if (box && working_ && working_->isVisible()) {
                                              workingSubject_ = *box;
                                              updateWorking();
                                          }
                                      }),
                                      this);
    for (const ResultRowSpec& row : kResultRows) {
        for (int k = 1; k <= kSubestuaries; ++k)
            resultBox(row.id, k).installEventFilter(follower);
    }
}

std::optional<Form1::WorkingSubject> Form1::resultBoxAt(const QObject* widget) const
{
    for (const ResultRowSpec& row : kResultRows) {
        for (int k = 1; k <= kSubestuaries; ++k) {
            if (&resultBox(row.id, k) == widget)
                return WorkingSubject{row.id, k, std::nullopt};
        }
    }
    return std::nullopt;
}

void Form1::openWorking()
{
    std::optional<WorkingSubject> box = menuBox_ ? menuBox_ : resultBoxAt(QApplication::focusWidget());
    if (!box) {
        // The last row filled, at the subestuary last looked at.
        WorkingSubject last{ResultRowId::CriticalLoads, workingSubject_.k, std::nullopt};
        for (const ResultRowSpec& row : kResultRows) {
            if (assessment_.filled(row.id))
                last.row = row.id;
        }
        box = last;
    }
    showWorkingFor(*box);
}

void Form1::showWorkingFor(const WorkingSubject& subject)
{
    workingSubject_ = subject;
    if (!working_)
        working_ = new WorkingWindow();
    updateWorking();
    showOrRaise(*working_);
}

void Form1::updateWorking()
{
    if (!working_)
        return;
    const WorkingSubject& subject = workingSubject_;
    if (subject.overviewCell && overview_) {
        const auto [scenario, thickness] = *subject.overviewCell;
        working_->showWorking(workingFor(overview_->results().assessment(scenario, thickness), subject.row, subject.k,
                                         ShownIn::OverviewCell),
                              tr("From the overview, for the limit the main window holds"));
        return;
    }
    working_->showWorking(workingFor(assessment_, subject.row, subject.k), tr("From the main window"));
}

void Form1::saveReport()
{
    // The platform's own dialog, which also asks before replacing a file.
    // It starts in the documents folder, or where this run last saved one.
    const QString folder =
        reportFolder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : reportFolder_;
    const QString proposed = QDir(folder).filePath(proposedReportName(QDate::currentDate()));
    const QString path = askSavePath(this, proposed, tr("PDF files (*.pdf)"));
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
    return buildReport(assessment_, overview_ && overview_->isVisible() ? &overview_->results() : nullptr, stamp);
}

QLabel* Form1::Label15(int index) const
{
    return controls_.get<QLabel>(QStringLiteral("Label15(%1)").arg(index));
}

// --- shared steps -------------------------------------------------------

// Shows a row as the assessment holds it: the model's texts, enabled, where
// its step has been taken for the current inputs; otherwise "0" greyed out,
// and on the judged row white with the plain description, so no verdict of
// an earlier comparison stays.
void Form1::showRow(ResultRowId row)
{
    const ResultRowSpec& spec = resultRow(row);
    const std::optional<ResultTexts>& texts = assessment_.row(row);
    // The limit judged by, as the working writes it ("1e1" is 10 %).
    const QString limit = QString::fromStdString(percentText(assessment_.inputs.limitValue.value_or(0.0)));
    for (int k = 1; k <= kSubestuaries; ++k) {
        QLineEdit& box = resultBox(row, k);
        box.setEnabled(texts.has_value());
        box.setText(texts ? QString::fromStdString(assessment_.box(row, k).text) : toQString(kClearedText));
        if (!spec.judged)
            continue;
        if (!texts) {
            setBackColor(box, verdictColor(Verdict::None));
            box.setAccessibleDescription(toQString(spec.description));
            continue;
        }
        const Verdict verdict = assessment_.box(row, k).verdict;
        // No percentage ("n/a") keeps the box's white.
        if (verdict != Verdict::None)
            setBackColor(box, verdictColor(verdict));
        describeComparison(box, verdict, limit);
    }
}

// Says in words what the box's colour says: within or above the limit.
void Form1::describeComparison(QLineEdit& box, Verdict verdict, const QString& limit)
{
    QString words;
    switch (verdict) {
    case Verdict::Within:
    case Verdict::Above:
        words = tr("%1 the acceptability limit of %2, shown %3")
                    .arg(toQString(verdictWording(verdict).word), limit,
                         verdict == Verdict::Within ? QStringLiteral("green") : QStringLiteral("red"));
        break;
    case Verdict::None:
        words = tr("%1, so no increase to compare").arg(toQString(kNoComparison));
        break;
    }
    box.setAccessibleDescription(toQString(resultRow(ResultRowId::Percentage).description) + QStringLiteral(": ") +
                                 words);
}

// The window as a view of the assessment, after every change of it: every
// result row, the buttons of the steps that can be taken next, the legend
// once the percentages are judged, the scenario row's caption; and the
// overview and the working window, while they are open.
void Form1::showAssessment()
{
    for (const ResultRowSpec& row : kResultRows)
        showRow(row.id);
    Command2->setEnabled(assessment_.taken(StepId::CriticalLoads));
    Command3->setEnabled(assessment_.taken(StepId::Exceedances));
    Label16->setVisible(assessment_.taken(StepId::PctIncrease));
    showScenarioCaption();
    updateOverview();
    updateWorking();
}

// Exactly one of the three captions is visible: "Earthworks" (Label15(0)),
// or the chosen scenario's own (Label15(1) and (2), in kScenarios' order).
void Form1::showScenarioCaption()
{
    const bool named = scenarioCaption_ == ScenarioCaption::Chosen;
    Label15(0)->setVisible(!named);
    for (std::size_t s = 0; s < kScenarios.size(); ++s)
        Label15(static_cast<int>(s) + 1)->setVisible(named && s == scenarioIndex(assessment_.inputs.scenarioNo));
}

// --- handlers -------------------------------------------------------------

void Form1::Form_Load()
{
    // The limit the window is designed with, kept as the limit's handler
    // keeps a typed one.
    assessment_.inputs.limitText = form1::kDesignLimit;
    assessment_.inputs.limitValue = parseAcceptabilityLimit(toQString(form1::kDesignLimit));
    for (const auto& choice : kThicknessChoices)
        List1->addItem(toQString(choice.label));
    // Selecting the start-up thickness runs List1_Click right here, before
    // the model is initialised: it sets the thickness and clears every row.
    List1->setCurrentRow(kStartupThicknessPosition);
    model_.Init_Model();
    showAssessment();
    List1->setFocus();
}

void Form1::List1_Click()
{
    const QModelIndexList selected = List1->selectionModel()->selectedRows();
    chooseThickness(model_, assessment_, selected.isEmpty() ? -1 : selected.first().row());
    scenarioCaption_ = ScenarioCaption::General;
    showAssessment();
}

void Form1::AcceptanceBox_Change()
{
    QString text = AcceptanceBox->text();
    std::optional<double> limit = parseAcceptabilityLimit(text);
    if (!limit) {
        // Any other text turns into "0" at once, which reads as 0 in every
        // locale. Writing it runs this handler again at once, for the "0";
        // this run then clears the rows again, for the same "0".
        text = QStringLiteral("0");
        limit = 0.0;
        AcceptanceBox->setText(text);
    }
    chooseLimit(model_, assessment_, text.toStdString(), limit);
    showAssessment();
}

void Form1::Option1_Click()
{
    chooseScenario(kScenarios[0].number);
}

void Form1::Option2_Click()
{
    chooseScenario(kScenarios[1].number);
}

// The loads, the baseline and Command2 do not depend on the scenario and
// stay; the scenario's caption changes at once, its row shows zeros until
// Command2 is pressed again.
void Form1::chooseScenario(std::int16_t scenarioNo)
{
    siltmere::chooseScenario(model_, assessment_, scenarioNo);
    scenarioCaption_ = ScenarioCaption::Chosen;
    showAssessment();
}

void Form1::Command1_Click()
{
    takeCriticalLoads(model_, assessment_);
    showAssessment();
}

void Form1::Command2_Click()
{
    takeExceedances(model_, assessment_);
    scenarioCaption_ = ScenarioCaption::Chosen;
    showAssessment();
}

void Form1::Command3_Click()
{
    takePctIncrease(model_, assessment_);
    showAssessment();
}

void Form1::Command4_Click()
{
    if (!form2_)
        form2_ = new Form2();
    showOrRaise(*form2_);
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
    if (working_)
        working_->close();
    QWidget::closeEvent(event);
}

} // namespace siltmere::ui
