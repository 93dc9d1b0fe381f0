#pragma once

// The main window: the planner picks a critical deposition thickness, a
// scenario and an acceptability limit, and takes three steps in order:
// critical total loads, exceedances over 25 years (baseline and scenario),
// and the percentage increase of the scenario over the baseline, coloured
// green within the limit and red above it.
//
// The window keeps every displayed result consistent with the inputs: a
// change of an input clears the results that depend on it and disables the
// buttons of the steps that must be taken again. All arithmetic is the
// model's; the handlers only move texts between the model and the boxes.

#include "Form1Layout.h"
#include "Form2.h"
#include "FormBuilder.h"
#include "ResultsTable.h"
#include "SedimentModel.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace siltmere::ui {

// A row of result boxes, one per subestuary, addressed 1..6 like the
// model's rows.
class ResultRow {
public:
    ResultRow() = default;
    explicit ResultRow(const std::array<QLineEdit*, form1::kSubestuaries>& boxes)
        : boxes_(boxes)
    {
    }
    QLineEdit& box(int k) const { return *boxes_.at(static_cast<std::size_t>(k - 1)); }

private:
    std::array<QLineEdit*, form1::kSubestuaries> boxes_{};
};

class Form1 : public QWidget {
    Q_OBJECT

public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    // The model behind the window; exposed for diagnosis and tests.
    SedimentModel& model() { return model_; }
    // The background window, while it exists.
    Form2* backgroundWindow() const { return form2_; }
    // The inputs and results as the window shows them now.
    ShownResults shownResults() const;

protected:
    void paintEvent(QPaintEvent* event) override;
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

    // Puts the shown results on the clipboard (Ctrl+Shift+C, or "Copy
    // results" in the window's context menu). Reads the window, changes
    // nothing in it, and runs none of the handlers above.
    void copyResults() const;
    void showBoxMenu(QLineEdit& box, const QPoint& position);

    void connectHandlers();
    void offerCopyResults();
    void describeLimitFormat();
    void chooseScenario(std::int16_t scenarioNo);
    void clearAllSteps();
    void fillStrRowWithZeros();
    void clearRow(const ResultRow& row);
    static void describeComparison(QLineEdit& box, int flag, const QString& limit);
    void fillRow(const ResultRow& row);
    void showScenarioCaption(int index);
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

    ResultRow criticalLoadRow_; // Text3 .. Text8
    ResultRow baselineRow_;     // Text11 .. Text16
    ResultRow scenarioRow_;     // Text19 .. Text24
    ResultRow percentageRow_;   // Text28 .. Text33

    QPointer<Form2> form2_;
    QAction* copyResultsAction_ = nullptr;
};

} // namespace siltmere::ui
