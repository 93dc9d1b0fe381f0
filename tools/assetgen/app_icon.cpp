// Draws Siltmere's application icon: a cross-section of an estuary bed, with
// brown, silt-laden water over layers of freshly settled mud, under a pale
// sky, on a rounded tile.
// Usage: app_icon OUTPUT.png [SIZE]   one icon, SIZE pixels square (256)
//        app_icon --hicolor DIR       DIR/siltmere-N.png for every size the
//                                     desktop's icon theme installs

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cstdio>
#include <cstdlib>

namespace {

// One wavy band across the tile, from height `top` down to the tile's foot.
QPainterPath band(double size, double top, double swell, double phase)
{
    QPainterPath path;
    path.moveTo(0, top);
    const int steps = 8;
    for (int i = 0; i < steps; ++i) {
        const double x0 = size * i / steps;
        const double x1 = size * (i + 1) / steps;
        const double lift = ((i + static_cast<int>(phase)) % 2 == 0 ? -swell : swell);
        path.quadTo((x0 + x1) / 2, top + lift, x1, top);
    }
    path.lineTo(size, size);
    path.lineTo(0, size);
    path.closeSubpath();
    return path;
}

// The sizes of the hicolor icon theme's application folders (NxN/apps).
constexpr std::array<int, 7> kHicolorSizes{16, 24, 32, 48, 64, 128, 256};

QImage drawIcon(int size)
{
    const double s = size;

    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QPainterPath tile;
    tile.addRoundedRect(QRectF(s * 0.03, s * 0.03, s * 0.94, s * 0.94), s * 0.18, s * 0.18);
    painter.setClipPath(tile);

    QLinearGradient sky(0, 0, 0, s * 0.4);
    sky.setColorAt(0, QColor(186, 200, 210));
    sky.setColorAt(1, QColor(226, 230, 228));
    painter.fillRect(QRectF(0, 0, s, s), sky);

    // Turbid water, then three layers of settled sediment, darker with depth.
    const struct {
        double top;
        QColor color;
    } layers[] = {
        {0.38, QColor(150, 112, 70)},
        {0.62, QColor(112, 86, 60)},
        {0.74, QColor(92, 72, 54)},
        {0.86, QColor(70, 56, 44)},
    };
    double phase = 0;
    for (const auto& layer : layers) {
        painter.fillPath(band(s, s * layer.top, s * 0.025, phase), layer.color);
        phase += 1;
    }

    // Silt suspended in the water.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 160, 112, 170));
    for (int i = 0; i < 14; ++i) {
        const double x = s * (0.1 + 0.8 * ((i * 37) % 100) / 100.0);
        const double y = s * (0.44 + 0.14 * ((i * 53) % 100) / 100.0);
        painter.drawEllipse(QPointF(x, y), s * 0.012, s * 0.012);
    }

    painter.setClipping(false);
    painter.setPen(QPen(QColor(60, 48, 38), s * 0.02));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);
    painter.end();
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || (QByteArray(argv[1]) == "--hicolor" && argc < 3)) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [SIZE] | --hicolor DIR\n", argv[0]);
        return 2;
    }
    if (QByteArray(argv[1]) == "--hicolor") {
        const QString dir = QString::fromLocal8Bit(argv[2]);
        for (const int size : kHicolorSizes) {
            if (!drawIcon(size).save(QStringLiteral("%1/siltmere-%2.png").arg(dir).arg(size)))
                return 1;
        }
        return 0;
    }
    const int size = argc > 2 ? std::atoi(argv[2]) : 256;
    return drawIcon(size).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
