// Fuzzes the acceptability limit from the planner's keyboard to the coloured
// percentage boxes, and the model's scenario comparison on its own.
//
// The first byte of an input picks what happens:
//   bits 0-1  0 paste the text over the limit box, 1 type it key by key,
//             2 insert it at a cursor position, 3 call the model directly
//   window modes (0-2):
//   bits 2-4  thickness row clicked in the list (value modulo 5)
//   bit  5    scenario option clicked: 0 with controls, 1 without
//   bits 6-7  the planner's locale: C, German, Arabic (Egypt), French
// The rest of the input is the text (UTF-8, invalid sequences become
// replacement characters). Insert mode reads one more byte for the cursor
// and, when the text holds a 0xFF byte, pastes what comes before it first
// and inserts what follows.
// Model mode reads a signed byte for the thickness position, a signed byte
// for the scenario number and then eight bytes for the limit as a double bit
// pattern (missing bytes are zero): NaNs, infinities, subnormals and huge
// values all reach the comparison.
//
// Whatever the text, the box must end up holding a number the limit's parser
// reads as finite under the planner's locale (its own format, or the other
// decimal separator where that means one number), or the "0" that replaces
// anything else; and the three steps must then fill every subestuary's
// percentage box with "n/a" or a whole percentage, white for "n/a", green
// within the limit and red above it.

#include "AcceptabilityLimit.h"
#include "Form1.h"
#include "ModelError.h"
#include "SedimentModel.h"
#include "Thickness.h"
#include "UiTestSupport.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

using siltmere::ErrorCode;
using siltmere::ModelError;
using siltmere::SedimentModel;
using siltmere::test::control;

// Inputs longer than this are cut: one execution must stay quick, and a
// limit longer than a few kilobytes exercises nothing a shorter one does not.
constexpr std::size_t kMaxPasteBytes = 4096;
// Typing runs the box's change handler after every key.
constexpr qsizetype kMaxTypedUnits = 64;

using siltmere::test::Percentage;
using siltmere::ui::kSubestuaries;

// What the input is doing, for the report of a failed check.
std::string g_context;

[[noreturn]] void fail(const char* what, const QString& detail = QString())
{
    std::fprintf(stderr, "\nLimitFuzzer check failed: %s\n  %s\n  input: %s\n", what, qPrintable(detail),
                 g_context.c_str());
    std::fflush(stderr);
    std::abort();
}

void require(bool condition, const char* what, const QString& detail = QString())
{
    if (!condition)
        fail(what, detail);
}

// A fatal-error report or any other dialog would wait for a click that
// never comes: seeing one shown is a failure in itself.
class DialogTrap : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* dialog = qobject_cast<QDialog*>(watched))
                fail("a dialog was shown", dialog->windowTitle());
        }
        return QObject::eventFilter(watched, event);
    }
};

// The tests' main window, with the legend and the percentage boxes at hand.
struct Window : siltmere::test::MainWindow {
    QLabel* legend = control<QLabel>(form, "Label16");
    std::array<QLineEdit*, kSubestuaries> percentage = [this] {
        std::array<QLineEdit*, kSubestuaries> boxes{};
        for (int k = 1; k <= kSubestuaries; ++k)
            boxes[static_cast<std::size_t>(k - 1)] = siltmere::test::resultBox(form, Percentage, k);
        return boxes;
    }();
};

// One application and one main window for the whole run, as a planner's
// session has; they live until the process ends.
Window& window()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", SILTMERE_TEST_PLATFORM);
        static int argc = 1;
        static char name[] = "siltmere_limit_fuzzer";
        static char* argv[] = {name, nullptr};
        auto* made = new QApplication(argc, argv);
        made->installEventFilter(new DialogTrap);
        return made;
    }();
    static auto* w = new Window;
    (void)app;
    return *w;
}

QLocale localeOf(unsigned index)
{
    switch (index) {
    case 1:
        return QLocale(QLocale::German, QLocale::Germany);
    case 2:
        return QLocale(QLocale::Arabic, QLocale::Egypt);
    case 3:
        return QLocale(QLocale::French, QLocale::France);
    default:
        return QLocale::c();
    }
}

// The list shows the thicknesses in the order of the exceedance tables' rows:
// list position p (0-based) is table row p + 1.
std::int16_t tableRowOf(unsigned position)
{
    return static_cast<std::int16_t>(position + 1);
}

using siltmere::test::kGreen;
using siltmere::test::kRed;
using siltmere::test::kWhite;

// The key a control character stands for on a keyboard, if it has one.
std::optional<Qt::Key> controlKeyOf(char16_t c)
{
    switch (c) {
    case u'\b':
        return Qt::Key_Backspace;
    case u'\t':
        return Qt::Key_Tab;
    case u'\n':
        return Qt::Key_Return;
    case u'\r':
        return Qt::Key_Enter;
    case u'\x1b':
        return Qt::Key_Escape;
    case u'\x7f':
        return Qt::Key_Delete;
    default:
        return std::nullopt;
    }
}

// Types `text` the way a keyboard does: printable ASCII characters as their
// keys, the control characters that have a key as that key, and anything
// else as a key event carrying the character (a keyboard layout or input
// method producing it). A surrogate pair travels as one character.
void typeText(QLineEdit* box, const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c >= 0x20 && c < 0x7f) {
            QTest::keyClick(box, static_cast<char>(c));
        } else if (const std::optional<Qt::Key> key = controlKeyOf(c)) {
            QTest::keyClick(box, *key);
        } else if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, text.mid(i, 2), Qt::NoModifier);
            ++i;
        } else {
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(QChar(c)), Qt::NoModifier);
        }
    }
}

// "N%" with an optional minus sign, or nothing.
std::optional<int> percentageOf(const QString& text)
{
    if (text.size() < 2 || !text.endsWith(QLatin1Char('%')))
        return std::nullopt;
    const QString number = text.left(text.size() - 1);
    qsizetype start = number.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (start == number.size())
        return std::nullopt;
    for (qsizetype i = start; i < number.size(); ++i) {
        const char16_t c = number.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
    }
    bool ok = false;
    const int value = number.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

QString colourName(const QColor& c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

void runWindow(unsigned mode, unsigned settings, const std::uint8_t* data, std::size_t size)
{
    Window& w = window();
    const unsigned thicknessRow = (settings & 7u) % static_cast<unsigned>(siltmere::kThicknesses);
    const bool withoutControls = (settings & 8u) != 0;
    const QLocale locale = localeOf((settings >> 4) & 3u);
    QLocale::setDefault(locale);

    // A known start: the start-up limit, every result cleared, then the
    // planner's thickness and scenario.
    w.limit->setText(QString());
    w.limit->setText(QStringLiteral("20"));
    siltmere::test::clickRow(w.list, static_cast<int>(thicknessRow));
    siltmere::test::clickOption(withoutControls ? w.option2 : w.option1);
    SedimentModel& model = w.form.model();
    require(model.ThickIdx == tableRowOf(thicknessRow), "the clicked thickness row was not chosen");
    require(model.ScenarioNo == (withoutControls ? 2 : 1), "the clicked scenario option was not chosen");

    const std::size_t used = size < kMaxPasteBytes ? size : kMaxPasteBytes;
    const char* bytes = reinterpret_cast<const char*>(data);
    switch (mode) {
    case 0: { // a paste over the whole text
        const QString text = QString::fromUtf8(bytes, static_cast<qsizetype>(used));
        g_context = "paste \"" + text.toStdString() + "\"";
        w.limit->selectAll();
        w.limit->insert(text);
        break;
    }
    case 1: { // typed key by key over the selected text
        const QString text = QString::fromUtf8(bytes, static_cast<qsizetype>(used)).left(kMaxTypedUnits);
        g_context = "typed \"" + text.toStdString() + "\"";
        QTest::keyClick(w.limit, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(w.limit, Qt::Key_Backspace);
        else
            typeText(w.limit, text);
        break;
    }
    default: { // pasted at a cursor position inside an existing text
        const unsigned cursorByte = used > 0 ? data[0] : 0u;
        const char* rest = used > 0 ? bytes + 1 : bytes;
        std::size_t restSize = used > 0 ? used - 1 : 0;
        if (const void* split = std::memchr(rest, 0xFF, restSize)) {
            const auto baseSize = static_cast<std::size_t>(static_cast<const char*>(split) - rest);
            w.limit->selectAll();
            w.limit->insert(QString::fromUtf8(rest, static_cast<qsizetype>(baseSize)));
            rest += baseSize + 1;
            restSize -= baseSize + 1;
        }
        const QString text = QString::fromUtf8(rest, static_cast<qsizetype>(restSize));
        const qsizetype length = w.limit->text().size();
        const auto cursor = static_cast<int>(cursorByte % static_cast<unsigned>(length + 1));
        g_context = "inserted \"" + text.toStdString() + "\" at " + std::to_string(cursor) + " of \"" +
                    w.limit->text().toStdString() + "\"";
        w.limit->setCursorPosition(cursor);
        w.limit->insert(text);
        break;
    }
    }
    g_context += " (locale " + locale.name().toStdString() + ", thickness row " + std::to_string(thicknessRow) +
                 ", scenario " + std::to_string(withoutControls ? 2 : 1) + ")";

    // The box holds a finite number as the limit's parser reads it under the
    // planner's locale, or the "0" that replaced a text that was none.
    const QString limitText = w.limit->text();
    const std::optional<double> limit = siltmere::ui::parseAcceptabilityLimit(limitText);
    require(limit.has_value() || limitText == QStringLiteral("0"), "the limit box holds a text that is not a number",
            limitText);
    require(!limit || std::isfinite(*limit), "the limit box holds a non-finite limit", limitText);
    require(limit.has_value(), "the replacement \"0\" is not a number in this locale", limitText);

    // An edited limit leaves no stale comparison behind.
    require(!w.command3->isEnabled(), "the percentage step is still enabled after the limit changed");
    require(!w.legend->isVisibleTo(&w.form), "the legend is still shown after the limit changed");
    for (QLineEdit* box : w.percentage) {
        require(box->text() == QStringLiteral("0"), "a percentage box was not cleared", box->text());
        require(siltmere::test::backOf(box) == kWhite, "a cleared percentage box is not white",
                colourName(siltmere::test::backOf(box)));
    }

    siltmere::test::click(w.command1);
    require(w.command2->isEnabled(), "the exceedance step is not enabled after the critical loads");
    siltmere::test::click(w.command2);
    require(w.command3->isEnabled(), "the percentage step is not enabled after the exceedances");
    siltmere::test::click(w.command3);

    require(w.legend->isVisibleTo(&w.form), "the legend is hidden after the percentage step");
    for (int k = 1; k <= kSubestuaries; ++k) {
        const QLineEdit* box = w.percentage[static_cast<std::size_t>(k - 1)];
        const QString text = box->text();
        const QColor back = siltmere::test::backOf(box);
        const QString where = QStringLiteral("subestuary %1: \"%2\" %3, limit %4")
                                  .arg(k)
                                  .arg(text, colourName(back))
                                  .arg(*limit, 0, 'g', 17);
        require(box->isEnabled(), "a percentage box is disabled after the percentage step", where);
        require(text == QString::fromStdString(model.strRow(k)), "a percentage box differs from the model's text",
                where);
        if (text == QStringLiteral("n/a")) {
            require(back == kWhite, "an n/a box is coloured", where);
            require(model.PctFlag(k) == 0, "an n/a box has a comparison flag", where);
            continue;
        }
        const std::optional<int> pct = percentageOf(text);
        require(pct.has_value(), "a percentage box holds neither n/a nor a whole percentage", where);
        require(back == kGreen || back == kRed, "a percentage box is neither green nor red", where);
        require((back == kGreen) == (model.PctFlag(k) == 1), "a box's colour disagrees with the model's flag", where);
        // The unrounded increase lies within half a percent of the shown one.
        const double shown = static_cast<double>(*pct);
        if (shown - 0.5 > *limit)
            require(back == kRed, "an increase above the limit is shown green", where);
        if (shown + 0.5 <= *limit)
            require(back == kGreen, "an increase within the limit is shown red", where);
    }

    // Taking the step again changes nothing.
    const siltmere::test::Snapshot first = siltmere::test::snapshot(w.form);
    siltmere::test::click(w.command3);
    const siltmere::test::Snapshot second = siltmere::test::snapshot(w.form);
    require(first == second, "repeating the percentage step changed the window",
            siltmere::test::describe(first) + QStringLiteral("\n  then\n") + siltmere::test::describe(second));
}

struct Comparison {
    bool failed = false;
    ErrorCode code = ErrorCode::InvalidOperation;
    std::array<std::string, kSubestuaries> texts;
    std::array<std::int16_t, kSubestuaries> flags{};
    bool operator==(const Comparison&) const = default;
};

Comparison compare(SedimentModel& model, double limit)
{
    Comparison result;
    try {
        model.Calc_PctIncrease(limit);
    } catch (const ModelError& e) {
        result.failed = true;
        result.code = e.code();
    }
    for (int k = 1; k <= kSubestuaries; ++k) {
        result.texts[static_cast<std::size_t>(k - 1)] = model.strRow(k);
        result.flags[static_cast<std::size_t>(k - 1)] = model.PctFlag(k);
    }
    return result;
}

double countOf(const std::string& text)
{
    double value = 0.0;
    const auto parsed = std::from_chars(text.data(), text.data() + text.size(), value);
    require(parsed.ec == std::errc() && parsed.ptr == text.data() + text.size(), "an exceedance count is not a number",
            QString::fromStdString(text));
    return value;
}

// A byte read as a two's-complement number, -128..127: negative positions
// and scenario numbers reach the model too.
int signedByte(std::uint8_t byte)
{
    const int value = byte;
    return value < 128 ? value : value - 256;
}

void runModel(const std::uint8_t* data, std::size_t size)
{
    std::array<std::uint8_t, 10> raw{};
    std::memcpy(raw.data(), data, size < raw.size() ? size : raw.size());
    const int position = signedByte(raw[0]);
    const auto scenarioNo = static_cast<std::int16_t>(signedByte(raw[1]));
    double limit = 0.0;
    std::memcpy(&limit, raw.data() + 2, sizeof limit);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &limit, sizeof bits);
    char bitText[32];
    std::snprintf(bitText, sizeof bitText, "%016llx", static_cast<unsigned long long>(bits));
    g_context = "model: position " + std::to_string(position) + ", scenario " + std::to_string(scenarioNo) +
                ", limit bits " + bitText;

    SedimentModel model;
    model.Select_Thickness(position);
    for (int k = 1; k <= kSubestuaries; ++k)
        model.strRow(k) = "0";
    model.Init_Model();
    model.ScenarioNo = scenarioNo;

    // Any position past the list's end means its last row, 20 mm.
    const unsigned row = position >= 0 && position < 4 ? static_cast<unsigned>(position) : 4u;
    require(model.ThickIdx == tableRowOf(row), "the thickness position chose the wrong table row");

    const Comparison first = compare(model, limit);
    const Comparison again = compare(model, limit);
    require(first == again, "comparing twice with the same limit gave different results");

    // Only a limit that is no number at all may stop the comparison: a
    // signalling NaN raises an invalid operation in the subtraction, and a
    // quiet one does in the comparison wherever the compiler emits a
    // signalling compare (the window never lets a NaN limit through).
    if (first.failed) {
        require(std::isnan(limit), "the comparison raised an error for a limit that is a number",
                QStringLiteral("error %1").arg(static_cast<int>(first.code)));
        require(first.code == ErrorCode::InvalidOperation, "a NaN limit raised an error other than invalid operation",
                QStringLiteral("error %1").arg(static_cast<int>(first.code)));
        return;
    }

    const siltmere::ExceedanceTable& scenario = scenarioNo == 1 ? model.strScenario1 : model.strScenario2;
    for (int k = 1; k <= kSubestuaries; ++k) {
        const std::string& text = first.texts[static_cast<std::size_t>(k - 1)];
        const std::int16_t flag = first.flags[static_cast<std::size_t>(k - 1)];
        const QString where =
            QStringLiteral("subestuary %1: \"%2\" flag %3").arg(k).arg(QString::fromStdString(text)).arg(flag);
        require((text == "n/a") == (flag == 0), "n/a and a zero flag do not go together", where);
        require(flag == 0 || flag == 1 || flag == -1, "a comparison flag is not -1, 0 or +1", where);

        const double baseline = countOf(model.strBaseline(model.ThickIdx, model.SlotIdx, k));
        const double withWorks = countOf(scenario(model.ThickIdx, model.SlotIdx, k));
        if (baseline < 1.0) {
            require(text == "n/a", "a subestuary without baseline exceedances has a percentage", where);
            continue;
        }
        const std::optional<int> pct = percentageOf(QString::fromStdString(text));
        require(pct.has_value(), "a compared subestuary has no whole percentage", where);
        const double increase = (withWorks - baseline) / baseline * 100.0;
        require(std::fabs(static_cast<double>(*pct) - increase) <= 0.5,
                "the shown percentage is not the rounded increase",
                where + QStringLiteral(", increase %1").arg(increase, 0, 'g', 17));
        // A NaN limit that was compared quietly judges nothing; only the
        // flags' form is checked then.
        if (!std::isnan(limit)) {
            const std::int16_t expected = increase > limit ? -1 : 1;
            require(flag == expected, "the flag disagrees with the increase and the limit",
                    where + QStringLiteral(", increase %1, limit %2").arg(increase, 0, 'g', 17).arg(limit, 0, 'g', 17));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    window();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned selector = data[0];
    const unsigned mode = selector & 3u;
    if (mode == 3)
        runModel(data + 1, size - 1);
    else
        runWindow(mode, selector >> 2, data + 1, size - 1);
    // Let the window repaint and handle what the handlers posted, as the
    // event loop does between a planner's actions; posted events left
    // unhandled would pile up over the whole run.
    QCoreApplication::processEvents();
    g_context.clear();
    return 0;
}
