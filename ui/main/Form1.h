#pragma once

// The main window: the planner picks a critical deposition thickness, a
// scenario and an acceptability limit, and takes three steps in order:
// critical total loads, exceedances over 25 years (baseline and scenario),
// and the percentage increase of the scenario over the baseline, coloured
// green within the limit and red above it.
//
// The window is a view of one assessment: each handler takes its step or
// changes its input through the assessment's steps, which run the model's
// operations and keep what they give, and then the whole window is drawn
// from the assessment again. A change of an input so clears the results that
// depend on it and disables the buttons of the steps that must be taken
// again. All arithmetic is the model's.

#include "Assessment.h"
#include "Form2.h"
#include "FormBuilder.h"
#include "OverviewWindow.h"
#include "ResultGrid.h"
#include "SedimentModel.h"
#include "WorkingWindow.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace siltmere::ui {

struct OverviewResults;
struct Report;

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The model behind the window; exposed for diagnosis and tests.
    SedimentModel& model() { return model_; }
    // The background window, while it exists.
    Form2* backgroundWindow() const { return form2_; }
    // The overview window, while it exists.
    OverviewWindow* overviewWindow() const { return overview_; }
    // The inputs and the results as the window shows them now, kept by the
    // handlers as they run.
    const Assessment& assessment() const { return assessment_; }
    // "How was this worked out?" (F1): the working window for the result box
    // in hand; one action, for every menu that offers it.
    QAction* workingAction() const { return workingAction_; }
    // The working window, while it exists.
    WorkingWindow* workingWindow() const { return working_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Event handlers, named after their control and event.
    void Form_Load();
    void List1_Click();
    void AcceptanceBox_Change();
    void Option1_Click();
    void Option2_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

    // The window's commands, none of which runs the handlers above.
    void offerCommands();
    void offerBoxMenus();
    // Opens the overview of every thickness and scenario (Ctrl+Shift+O, or
    // the window's context menu), or brings it to the front.
    void openOverview();
    // Tells the overview, while it exists, the limit and the combination
    // this window holds now.
    void updateOverview();
    void showBoxMenu(QLineEdit& box, const QPoint& position);

    // The result the working window shows: result box k of a row of this
    // window or, where `overviewCell` (scenario, thickness) is given, of
    // that assessment of the overview.
    struct WorkingSubject {
        ResultRowId row = ResultRowId::CriticalLoads;
        int k = 1;
        std::optional<std::pair<std::size_t, std::size_t>> overviewCell;
    };
    // While the working window is open it follows the result box the
    // planner picks next.
    void followPickedBoxes();
    // Opens the working (F1, or "How was this worked out?" in a result
    // box's context menu) of the box whose menu offers it, else of the
    // result box with the focus, else of the last row filled.
    void openWorking();
    void showWorkingFor(const WorkingSubject& subject);
    // Tells the working window, while it exists, the working of its result
    // for the inputs and results as they are now.
    void updateWorking();
    std::optional<WorkingSubject> resultBoxAt(const QObject* widget) const;

    // Saves a report of the inputs and results shown as a PDF where the
    // planner chooses: the one file the program writes, and only then.
    // Changes nothing in the window; a failure is reported and leaves any
    // file there as it was. Printed, the same report goes to the printer
    // chosen in the platform's print dialog.
    void saveReport();
    // The report of the inputs and results shown now, with the overview's
    // tables while that window is open.
    Report currentReport() const;

    void connectHandlers();
    void describeLimitFormat();
    void chooseScenario(std::int16_t scenarioNo);
    void nameResultBoxes();
    void showAssessment();
    static void describeComparison(QLineEdit& box, Verdict verdict, const QString& limit);
    void showRow(ResultRowId row);
    // Box k (1..6, like the model's rows) of a row.
    QLineEdit& resultBox(ResultRowId row, int k) const
    {
        return *boxes_[indexOf(row)].at(static_cast<std::size_t>(k - 1));
    }
    void showScenarioCaption();
    QLabel* Label15(int index) const;

    // Created before the start-up handler runs: the program's own selection
    // of "5 mm" already writes to it.
    SedimentModel model_;
    Controls controls_;

    QListWidget* List1 = nullptr;
    QLineEdit* AcceptanceBox = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command4 = nullptr;
    QLabel* Label16 = nullptr;

    // The result boxes, and the assessment they show: the inputs, the steps
    // taken for them and their results.
    std::array<std::array<QLineEdit*, kSubestuaries>, kResultRowCount> boxes_{};
    Assessment assessment_;
    // What the scenario row's caption names: the row in general
    // ("Earthworks") from the choice of a thickness on, the chosen scenario
    // once one is chosen or its exceedances looked up. The assessment does
    // not tell it: a new limit clears the counts, and the caption stays.
    enum class ScenarioCaption { General, Chosen };
    ScenarioCaption scenarioCaption_ = ScenarioCaption::General;

    QPointer<Form2> form2_;
    QAction* copyResultsAction_ = nullptr;
    QPointer<OverviewWindow> overview_;
    QAction* overviewAction_ = nullptr;
    QAction* saveReportAction_ = nullptr;
    QAction* workingAction_ = nullptr;
    QPointer<WorkingWindow> working_;
    WorkingSubject workingSubject_;
    // The box whose context menu is open.
    std::optional<WorkingSubject> menuBox_;
    QAction* printReportAction_ = nullptr;
    QAction* printPreviewAction_ = nullptr;
    // The folder the last report of this run went to; the next one is
    // proposed there. Not kept after the program ends.
    QString reportFolder_;
};

} // namespace siltmere::ui
