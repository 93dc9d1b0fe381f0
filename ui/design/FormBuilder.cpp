#include "FormBuilder.h"

#include "Accessibility.h"
#include "DesignFonts.h"
#include "ReadableText.h"
#include "StretchedImage.h"
#include "Twips.h"
#include "WindowsColor.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <utility>
#include <vector>

namespace siltmere::ui {

void setBackColor(QWidget& widget, std::uint32_t windowsColor)
{
    QPalette palette = widget.palette();
    const QColor color = fromWindowsColor(windowsColor, palette);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, color);
        palette.setColor(group, QPalette::Window, color);
    }
    // A fixed colour stays light under a dark theme, so its text must not be
    // the theme's light text; a system colour follows the theme, text too.
    setTextRolesFor(palette, color, isSystemColor(windowsColor));
    widget.setPalette(palette);
}

namespace {

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Center:
        return Qt::AlignHCenter;
    case Align::Right:
        return Qt::AlignRight;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft;
}

// A picture shown at its natural size: one picture pixel to one
// device-independent pixel. On a high-DPI screen a twice-as-fine drawing
// ("name@2x.png") is used where there is one, so the picture stays sharp.
QPixmap naturalSizePixmap(const QString& path, qreal devicePixelRatio)
{
    if (devicePixelRatio > 1.0) {
        QString fine = path;
        fine.insert(fine.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
        QPixmap pixmap(fine);
        if (!pixmap.isNull()) {
            pixmap.setDevicePixelRatio(2.0);
            return pixmap;
        }
    }
    return QPixmap(path);
}

// Static texts, frames and pictures are passed over by Tab and clicks.
bool takesFocus(ControlKind kind)
{
    return kind != ControlKind::Label && kind != ControlKind::Frame && kind != ControlKind::Image;
}

// List entries one line of the list's font tall, as in a Windows list box, so
// that a list sized for five entries shows five. Some styles (Windows Vista's
// among them) pad every row and would leave the last entry behind a scroll bar.
class OneLineRows : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height());
        return size;
    }
};

// As on Windows, Enter (or the keypad's Enter) presses the push button that
// has the focus; Qt presses only default buttons on Enter, and making every
// button a default one would change how some styles draw it. Space works as
// before.
class PressOnEnter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!enter || others != Qt::NoModifier || key->isAutoRepeat() || !button || !button->isEnabled())
            return false;
        button->click();
        return true;
    }
};

// As in a native radio group, Tab enters a frame at its chosen option, and
// the arrow keys then move the choice; an option not chosen still takes the
// focus from a click.
void takeTabOnlyWhileChosen(QRadioButton& option)
{
    const auto follow = [&option](bool chosen) { option.setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus); };
    follow(option.isChecked());
    QObject::connect(&option, &QRadioButton::toggled, &option, follow);
}

QLabel* newLabel(const ControlSpec& spec, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignmentOf(spec.align) | Qt::AlignTop);
    label->setAutoFillBackground(!spec.has(Transparent));
    return label;
}

QLineEdit* newTextBox(const ControlSpec& spec, const QString& text, QWidget* parent)
{
    auto* box = new QLineEdit(text, parent);
    box->setAlignment(alignmentOf(spec.align) | Qt::AlignVCenter);
    box->setReadOnly(spec.has(ReadOnly));
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setCursorPosition(0);
    return box;
}

QListWidget* newListBox(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setItemDelegate(new OneLineRows(list));
    list->setUniformItemSizes(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSortingEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    keepCurrentEntryOnlyWhileFocused(*list);
    return list;
}

// A disabled step button's caption is still read: where the theme greys it
// below the readable contrast, a grey that still looks greyed out but
// reaches it. Styles shade the face away from the palette's colour (lighter
// under a light caption, darker under a dark one), so the grey is chosen for
// the shade nearer the caption.
void keepGreyedCaptionReadable(QPushButton& button)
{
    QPalette palette = button.palette();
    const QColor caption = palette.color(QPalette::Active, QPalette::ButtonText);
    const QColor face = palette.color(QPalette::Disabled, QPalette::Button);
    const bool lightCaption = contrastRatio(caption, Qt::black) > contrastRatio(caption, Qt::white);
    const QColor shadedFace = lightCaption ? face.lighter(130) : face.darker(110);
    if (contrastRatio(palette.color(QPalette::Disabled, QPalette::ButtonText), shadedFace) < kReadableContrast) {
        palette.setColor(QPalette::Disabled, QPalette::ButtonText, greyedTextOn(shadedFace, caption));
        button.setPalette(palette);
    }
}

QPushButton* newPushButton(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(new PressOnEnter(button));
    keepGreyedCaptionReadable(*button);
    return button;
}

// The frame's options form one exclusive group: exactly one is chosen, even
// in a frame with a single option (a lone Qt radio button would otherwise
// uncheck on a second click). The buttons stay auto-exclusive as well: that
// is what makes them radio buttons, not check boxes, to a screen reader;
// inside a group the group decides.
QRadioButton* newOptionButton(const ControlSpec& spec, const QString& text, QWidget* parent)
{
    auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
    if (!group) {
        group = new QButtonGroup(parent);
        group->setExclusive(true);
    }
    auto* option = new QRadioButton(text, parent);
    group->addButton(option);
    option->setChecked(spec.has(Checked));
    return option;
}

QLabel* newPictureBox(const QString& path, QWidget* parent)
{
    auto* picture = new QLabel(parent);
    picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(naturalSizePixmap(path, parent->devicePixelRatioF()));
    return picture;
}

QWidget* createControl(const ControlSpec& spec, QWidget* parent)
{
    const QString text = toQString(spec.text);
    switch (spec.kind) {
    case ControlKind::Label:
        return newLabel(spec, text, parent);
    case ControlKind::TextBox:
        return newTextBox(spec, text, parent);
    case ControlKind::ListBox:
        return newListBox(parent);
    case ControlKind::PushButton:
        return newPushButton(text, parent);
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::OptionButton:
        return newOptionButton(spec, text, parent);
    case ControlKind::Image:
        return new StretchedImage(text, rectFromTwips(spec.left, spec.top, spec.width, spec.height).size(), parent);
    case ControlKind::PictureBox:
        return newPictureBox(text, parent);
    }
    return nullptr;
}

// The client area as designed: the controls stand on it at their designed
// places, and the design's lines are drawn on it. It keeps its designed size
// whatever the window's: a larger window shows more background, a smaller
// one scrolls it.
class ClientArea : public QWidget {
public:
    ClientArea(std::span<const LineSpec> lines, QWidget* parent)
        : QWidget(parent)
        , lines_(lines)
    {
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        for (const LineSpec& line : lines_)
            painter.drawLine(pointFromTwips(line.x1, line.y1), pointFromTwips(line.x2, line.y2));
    }

private:
    std::span<const LineSpec> lines_;
};

// A window never opens larger than the screen's available area (without the
// task bar): on a laptop at 125 % or 150 % the designed client area is taller
// than the screen, and the bottom row and its button would be out of reach.
// Fitted once, as the window is first shown, so that it is measured on the
// screen it opens on; from then on the user sizes it.
class FitToScreenOnFirstShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            fitToAvailableArea(*static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    static void fitToAvailableArea(QWidget& window)
    {
        const QScreen* screen = window.screen();
        if (!screen)
            return;
        // The frame is known before the window is shown on Windows; an X11
        // window manager adds its title bar only later, so room is left for
        // one.
        QMargins frame = window.windowHandle() ? window.windowHandle()->frameMargins() : QMargins();
        if (frame.isNull())
            frame.setTop(window.style()->pixelMetric(QStyle::PM_TitleBarHeight));
        const QSize room = screen->availableGeometry().size().shrunkBy(frame);
        const QSize designed = window.size().grownBy(QMargins(0, reserveMenuBarHeight(window), 0, 0));
        QSize fitted = designed.boundedTo(room);
        // A scroll bar takes room across the other way: widen (or heighten)
        // the window by it where the screen allows, so that only the bar
        // that is needed appears.
        const int bar = window.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &window);
        if (fitted.height() < designed.height())
            fitted.setWidth(std::min(designed.width() + bar, room.width()));
        if (fitted.width() < designed.width())
            fitted.setHeight(std::min(designed.height() + bar, room.height()));
        if (fitted != window.size())
            window.resize(fitted);
    }

    // The height the window's layout gives its menu bar at the window's
    // width, as QLayout works it out; 0 where there is none, or where the
    // desktop shows the menus outside the window. Where the desktop scales
    // by a fraction (125 %), the bar is made a whole number of device pixels
    // tall too, through its minimum height: the client area under it then
    // starts on a whole device pixel and is drawn exactly as at the top of a
    // window without a menu bar, not shifted by a pixel here and there.
    static int reserveMenuBarHeight(QWidget& window)
    {
        const QLayout* layout = window.layout();
        auto* bar = layout ? qobject_cast<QMenuBar*>(layout->menuBar()) : nullptr;
        if (!bar || bar->isNativeMenuBar() || bar->isHidden())
            return 0;
        int height = bar->heightForWidth(std::max(window.width(), bar->minimumWidth()));
        if (height < 0)
            height = bar->sizeHint().height();
        height = std::max(height, bar->minimumSizeHint().height());
        const qreal ratio = window.devicePixelRatioF();
        for (int whole = height; whole < height + 8; ++whole) {
            if (std::abs(whole * ratio - std::round(whole * ratio)) < 1e-6) {
                height = whole;
                break;
            }
        }
        bar->setMinimumHeight(height);
        return std::min(height, bar->maximumHeight());
    }
};

} // namespace

void fitToScreenOnFirstShow(QWidget& window)
{
    window.installEventFilter(new FitToScreenOnFirstShow(&window));
}

void placeMenuBar(QWidget& window, QMenuBar& menuBar)
{
    QLayout* layout = window.layout();
    if (!layout)
        throw std::logic_error("a menu bar is placed only over a window with a layout");
    layout->setMenuBar(&menuBar);
}

void setUpWindow(QWidget& window, const QString& name, const QString& caption)
{
    window.setObjectName(name);
    window.setWindowTitle(caption);
    window.setWindowIcon(QIcon(QStringLiteral(":/assets/siltmere.png")));
}

void makeOwnWindow(QWidget& window)
{
    window.setWindowFlag(Qt::Window);
    window.setAttribute(Qt::WA_DeleteOnClose);
}

namespace {

// The client area scrolls where the window is smaller than the design;
// scroll bars appear only then.
QWidget* addClientArea(QWidget& window, QSize designed, std::span<const LineSpec> lines)
{
    auto* scroll = new QScrollArea(&window);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scroll->setFocusPolicy(Qt::NoFocus);
    // The window's own background shows around and behind the client area.
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    auto* clientArea = new ClientArea(lines, scroll);
    clientArea->setObjectName(QStringLiteral("ClientArea"));
    clientArea->setFixedSize(designed);
    scroll->setWidget(clientArea);
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    return clientArea;
}

// What a design row sets on the control it made, beyond its kind's own.
void applyDesign(QWidget& widget, const ControlSpec& control)
{
    widget.setObjectName(toQString(control.name));
    widget.setGeometry(rectFromTwips(control.left, control.top, control.width, control.height));
    if (!control.font.isWindowFont())
        widget.setFont(designFont(control.font));
    // A push button does not draw its back colour, nor does a transparent
    // label: both show the theme's colours, text included.
    if (control.backColor != kNoColor && control.kind != ControlKind::PushButton && !control.has(Transparent))
        setBackColor(widget, control.backColor);
    widget.setEnabled(!control.has(Disabled));
    widget.setFocusPolicy(takesFocus(control.kind) ? Qt::StrongFocus : Qt::NoFocus);
    if (auto* option = qobject_cast<QRadioButton*>(&widget))
        takeTabOnlyWhileChosen(*option);
    widget.setAccessibleName(control.accessibleName.empty() ? toQString(control.text).remove(QLatin1Char('&'))
                                                            : toQString(control.accessibleName));
    if (!control.accessibleDescription.empty())
        widget.setAccessibleDescription(toQString(control.accessibleDescription));
}

// Tab visits the controls by their keyboard order, not by their rows.
void setKeyboardOrder(std::vector<std::pair<int, QWidget*>> order)
{
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

} // namespace

Controls buildForm(QWidget& window, const WindowSpec& spec, std::span<const ControlSpec> controls,
                   std::span<const LineSpec> lines)
{
    installScreenReaderRoles();
    setUpWindow(window, toQString(spec.name), toQString(spec.caption));
    window.setFont(designFont(kWindowFont));
    const QSize designed = sizeFromTwips(spec.clientWidth, spec.clientHeight);
    window.resize(designed);
    fitToScreenOnFirstShow(window);
    QWidget* clientArea = addClientArea(window, designed, lines);

    Controls built;
    std::vector<std::pair<int, QWidget*>> keyboardOrder;
    for (const ControlSpec& control : controls) {
        QWidget* parent = control.container.empty() ? clientArea : built.get<QWidget>(toQString(control.container));
        QWidget* widget = createControl(control, parent);
        applyDesign(*widget, control);
        if (takesFocus(control.kind) && control.tab != kNoTab)
            keyboardOrder.emplace_back(control.tab, widget);
        built.add(widget->objectName(), widget);
    }
    setKeyboardOrder(std::move(keyboardOrder));
    return built;
}

} // namespace siltmere::ui
