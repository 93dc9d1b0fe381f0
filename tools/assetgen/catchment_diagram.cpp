// catchment_diagram.cpp - draws the "conceptual catchment" picture shown in
// Siltmere's background-information window.
//
// The picture is a schematic, not a map: a branching estuary opens onto a
// straight coastline on the right.  Dotted lines split the estuary water into
// six subestuary areas, and thin curved lines split the surrounding land into
// six subcatchments.  Each large italic catchment number sits beside the
// small number of the subestuary area of the same number:
//
//        1     3     5          <- upper shore, head -> sea
//   6  (head)                |  <- coastline
//        4        2          <- lower shore, head -> sea
//
//
// The shared numbers only pair places on the picture.  Where a subcatchment's
// sediment settles is the model's deposition matrix: most subcatchments
// spread it over several areas, and some send none to the area of their own
// number (subcatchment 3 sends most of its deposit to area 2 and none to
// area 3).  The picture draws no arrows for those shares.
//
// Usage: catchment_diagram OUTPUT.png [SCALE]
//   SCALE 1 (default) draws the diagram at its shown size, 2 on twice as
//   many pixels for high-DPI screens (1 to 4).
//
// The output is deterministic: fixed geometry, a named font family and pixel
// font sizes (independent of screen DPI), no timestamps in the PNG.

#include <QtCore/QByteArray>
#include <QtCore/QPointF>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QFont>
#include <QtGui/QFontMetrics>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPen>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSize = 496; // image is kSize x kSize pixels

struct Pt {
    double x;
    double y;
};

// A cubic Bezier segment: start, two control points, end.
struct Cubic {
    Pt p0, c1, c2, p1;
};

// A label drawn centred on a point.
struct Label {
    const char* text;
    Pt at;
};

// The coastline: a straight vertical line near the right edge.
constexpr double kCoastX = 450.0;
constexpr double kCoastTop = 66.0;
constexpr double kCoastBottom = 482.0;

// Estuary shoreline, traced as one open curve that starts on the coastline at
// the top of the mouth, runs up-estuary along the upper shore to the head,
// round the two head creeks and back to the sea along the lower shore.  The
// curve is interpolated smoothly through these points (Catmull-Rom), so each
// side arm is just an out-and-back run of points ending in a tip.
// clang-format off
constexpr Pt kShore[] = {
    {kCoastX, 202},                                   // mouth, upper side
    {428, 204}, {400, 209}, {374, 210},
    {362, 200}, {352, 181}, {342, 160},               // arm into area 3
    {333, 142}, {325, 135}, {320, 146},
    {321, 170}, {316, 194}, {302, 212},
    {272, 220}, {246, 219},
    {234, 208}, {224, 192}, {214, 175},               // arm into area 1
    {205, 164}, {197, 167}, {196, 184},
    {194, 206}, {182, 224},
    {154, 231}, {128, 229},
    {108, 218}, {90, 204}, {66, 196},                 // upper head creek
    {84, 218}, {100, 242},
    {84, 256}, {60, 274},                             // lower head creek
    {88, 270}, {112, 265}, {142, 268},
    {178, 271}, {202, 279},
    {210, 296}, {210, 316}, {205, 334},               // arm into area 4
    {201, 347}, {209, 345}, {219, 327},
    {231, 305}, {252, 290},
    {284, 288}, {318, 287}, {348, 294},
    {357, 310}, {358, 330}, {353, 347},               // arm into area 2
    {351, 359}, {359, 355}, {369, 335},
    {381, 314}, {400, 302},
    {424, 300}, {kCoastX, 304},                       // mouth, lower side
};

// Dotted lines across the water that separate the six subestuary areas.
// A centre line runs from the head boundary out to the sea, splitting the
// upper-shore areas (1, 3, 5) from the lower-shore ones (4, 2); short cross
// lines then cut each shore into its areas, and one full-width line marks
// off the head (area 6).
constexpr Cubic kAreaDividers[] = {
    {{150, 233}, {146, 244}, {146, 256}, {148, 267}},        // 6 | 1 and 4
    {{148, 250}, {240, 248}, {340, 252}, {kCoastX, 253}},    // centre line
    {{272, 221}, {271, 232}, {270, 241}, {269, 249}},        // 1 | 3
    {{392, 212}, {392, 226}, {391, 240}, {391, 252}},        // 3 | 5
    {{300, 250}, {301, 262}, {302, 274}, {303, 286}},        // 4 | 2
};

// Small numerals naming the subestuary areas (placed inside the water).
constexpr Label kAreaLabels[] = {
    {"6", {112, 250}}, {"1", {206, 238}}, {"3", {330, 236}},
    {"5", {424, 232}}, {"4", {224, 262}}, {"2", {380, 272}},
};

// Subcatchment boundaries: thin curves that leave the shoreline where the
// dotted area dividers meet it and wander out across the land towards the
// drainage divide near the edge of the picture.
constexpr Cubic kCatchmentDividers[] = {
    {{150, 233}, {122, 190}, {96, 150}, {46, 96}},           // 6 | 1
    {{272, 221}, {290, 170}, {250, 120}, {268, 74}},         // 1 | 3
    {{392, 212}, {404, 166}, {370, 118}, {382, 74}},         // 3 | 5
    {{148, 267}, {118, 320}, {102, 380}, {48, 438}},         // 6 | 4
    {{303, 286}, {284, 350}, {330, 400}, {310, 470}},        // 4 | 2
};

// Large italic numerals naming the subcatchments, out at the far end of
// their boundary lines and in line with the matching subestuary area.
constexpr Label kCatchmentLabels[] = {
    {"1", {190, 104}}, {"3", {322, 100}}, {"5", {418, 104}},
    {"6", {30, 252}},  {"4", {190, 440}}, {"2", {392, 440}},
};
// clang-format on

constexpr const char* kTitle = "Conceptual Catchment - Estuary Framework";
constexpr const char* kSubtitle = "6 Subcatchments depositing sediment into 6 subestuary areas";

QPointF toQ(const Pt& p)
{
    return QPointF(p.x, p.y);
}

// Smooth open curve through all points (uniform Catmull-Rom, written as
// cubic Bezier segments; the end points are repeated as their own
// neighbours).
QPainterPath smoothCurve(const Pt* pts, std::size_t n)
{
    QPainterPath path(toQ(pts[0]));
    for (std::size_t i = 0; i + 1 < n; ++i) {
        const Pt& a = pts[i == 0 ? 0 : i - 1];
        const Pt& b = pts[i];
        const Pt& c = pts[i + 1];
        const Pt& d = pts[i + 2 < n ? i + 2 : n - 1];
        path.cubicTo(QPointF(b.x + (c.x - a.x) / 6.0, b.y + (c.y - a.y) / 6.0),
                     QPointF(c.x - (d.x - b.x) / 6.0, c.y - (d.y - b.y) / 6.0), toQ(c));
    }
    return path;
}

QPainterPath cubicPath(const Cubic& c)
{
    QPainterPath path(toQ(c.p0));
    path.cubicTo(toQ(c.c1), toQ(c.c2), toQ(c.p1));
    return path;
}

QFont liberationSans(int pixelSize, bool bold, bool italic)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Largest bold font, up to maxPixels, in which the text fits maxWidth.
QFont fittedTitleFont(const QString& text, int maxPixels, int maxWidth)
{
    for (int px = maxPixels; px > 8; --px) {
        QFont f = liberationSans(px, true, false);
        if (QFontMetrics(f).horizontalAdvance(text) <= maxWidth)
            return f;
    }
    return liberationSans(8, true, false);
}

void drawCentred(QPainter& p, const QString& text, const QPointF& centre)
{
    const QFontMetrics fm(p.font());
    const QRectF box(centre.x() - 100, centre.y() - fm.height(), 200, 2.0 * fm.height());
    p.drawText(box, Qt::AlignCenter, text);
}

void drawLabels(QPainter& p, const Label* labels, std::size_t n)
{
    for (std::size_t i = 0; i < n; ++i)
        drawCentred(p, QString::fromLatin1(labels[i].text), toQ(labels[i].at));
}

// `scale` 2 draws the same diagram on twice as many pixels, for high-DPI
// screens.
QImage renderDiagram(int scale)
{
    QImage img(kSize * scale, kSize * scale, QImage::Format_RGB888);
    img.fill(Qt::white);

    QPainter p(&img);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setBrush(Qt::NoBrush);

    // Titles.
    p.setPen(Qt::black);
    const int textWidth = kSize - 16;
    const QString title = QString::fromLatin1(kTitle);
    const QString subtitle = QString::fromLatin1(kSubtitle);
    p.setFont(fittedTitleFont(title, 17, textWidth));
    p.drawText(QRectF(0, 6, kSize, 22), Qt::AlignCenter, title);
    p.setFont(fittedTitleFont(subtitle, 14, textWidth));
    p.drawText(QRectF(0, 29, kSize, 20), Qt::AlignCenter, subtitle);

    // Subcatchment boundaries on land: thin black curves.
    p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap));
    for (const Cubic& c : kCatchmentDividers)
        p.drawPath(cubicPath(c));

    // Subestuary area boundaries on the water: dotted black lines.
    p.setPen(QPen(Qt::black, 1.5, Qt::DotLine, Qt::FlatCap));
    for (const Cubic& c : kAreaDividers)
        p.drawPath(cubicPath(c));

    // Estuary shoreline and the coast, in green, over the division lines.
    const QColor green(0, 128, 0);
    p.setPen(QPen(green, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(smoothCurve(kShore, sizeof kShore / sizeof kShore[0]));
    p.drawLine(QPointF(kCoastX, kCoastTop), QPointF(kCoastX, kCoastBottom));

    // Numbers: small upright ones for subestuary areas, large italic ones
    // for subcatchments.
    p.setPen(Qt::black);
    p.setFont(liberationSans(12, false, false));
    drawLabels(p, kAreaLabels, sizeof kAreaLabels / sizeof kAreaLabels[0]);
    p.setFont(liberationSans(34, false, true));
    drawLabels(p, kCatchmentLabels, sizeof kCatchmentLabels / sizeof kCatchmentLabels[0]);

    p.end();
    return img;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SCALE]\n", argv[0]);
        return 2;
    }
    const int scale = argc == 3 ? std::atoi(argv[2]) : 1;
    if (scale < 1 || scale > 4) {
        std::fprintf(stderr, "catchment_diagram: SCALE must be 1 to 4\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QImage img = renderDiagram(scale);
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!img.save(out, "PNG")) {
        std::fprintf(stderr, "catchment_diagram: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
