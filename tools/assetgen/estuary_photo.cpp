// estuary_photo — paints the stand-in estuary "photograph" used by Siltmere.
//
// The picture is a view across a wide, brown, sediment-laden estuary under a
// low grey overcast.  Behind the far shore sit a small settlement and two
// ridges of green-brown hills fading into haze.  A framed inset in the
// bottom-right corner shows a close-up of freshly settled mud with footprints.
//
// Everything is generated procedurally from a fixed seed, so the output is
// identical byte for byte on every run.  Only QtGui image classes are used;
// no QGuiApplication is needed because nothing here touches fonts or windows.
//
// Usage: estuary_photo OUTPUT.jpg

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr int kWidth = 920;
constexpr int kHeight = 653;
constexpr float kHorizon = 236.0f; // true horizon (hidden behind the hills)

// ---------------------------------------------------------------- colour ---

struct Rgb {
    float r, g, b;
};

Rgb operator+(Rgb a, Rgb b)
{
    return {a.r + b.r, a.g + b.g, a.b + b.b};
}
Rgb operator*(Rgb a, float k)
{
    return {a.r * k, a.g * k, a.b * k};
}
Rgb mix(Rgb a, Rgb b, float t)
{
    return a * (1.0f - t) + b * t;
}

float clamp01(float v)
{
    return std::clamp(v, 0.0f, 1.0f);
}
float smooth(float e0, float e1, float v)
{
    const float t = clamp01((v - e0) / (e1 - e0));
    return t * t * (3.0f - 2.0f * t);
}

QRgb toQRgb(Rgb c)
{
    auto ch = [](float v) { return std::clamp(int(std::lround(v)), 0, 255); };
    return qRgb(ch(c.r), ch(c.g), ch(c.b));
}

// ----------------------------------------------------------------- noise ---
// Integer hash -> value noise -> fractal sum.  Everything is pure arithmetic
// on fixed seeds, so the texture never changes between runs.

uint32_t hash3(int32_t x, int32_t y, uint32_t seed)
{
    uint32_t h = seed * 0x9E3779B9u;
    h ^= uint32_t(x) * 0x85EBCA6Bu;
    h = (h << 13) | (h >> 19);
    h ^= uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

float hashUnit(int32_t x, int32_t y, uint32_t seed)
{
    return float(hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

float valueNoise(float x, float y, uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = int32_t(fx), iy = int32_t(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float a = hashUnit(ix, iy, seed), b = hashUnit(ix + 1, iy, seed);
    const float c = hashUnit(ix, iy + 1, seed), d = hashUnit(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Fractal noise in [0,1].  `footprint` is the size of one pixel in noise
// units; octaves finer than a pixel are faded out so distant water and mud
// do not shimmer with aliasing.
float fbm(float x, float y, uint32_t seed, int octaves, float footprint = 0.0f)
{
    float sum = 0.0f, norm = 0.0f, amp = 1.0f, freq = 1.0f;
    for (int i = 0; i < octaves; ++i) {
        const float fade = footprint > 0.0f ? 1.0f - smooth(0.25f, 0.7f, freq * footprint) : 1.0f;
        sum += amp * fade * (valueNoise(x * freq, y * freq, seed + uint32_t(i) * 101u) - 0.5f);
        norm += amp;
        amp *= 0.5f;
        freq *= 2.03f;
    }
    return 0.5f + sum / norm;
}

// ------------------------------------------------------------ the scene ---

// Height of the far shoreline (where water meets land) at column x.
float shoreY(float x)
{
    return 258.0f + 6.0f * (fbm(x * 0.01f, 3.0f, 11, 3) - 0.5f) + x * 0.008f;
}

// Top edge of the distant ridge and of the nearer hill at column x.
float farRidgeY(float x)
{
    return 150.0f + 70.0f * (fbm(x * 0.004f, 1.0f, 21, 8) - 0.5f) + 10.0f * std::sin(x * 0.006f) +
           6.0f * (fbm(x * 0.05f, 4.0f, 23, 4) - 0.5f);
}
float nearHillY(float x)
{
    // The hill rises a little behind the settlement, around x = 300.
    return 205.0f + 60.0f * (fbm(x * 0.006f + 5.0f, 2.0f, 31, 5) - 0.5f) -
           22.0f * std::exp(-std::pow((x - 300.0f) / 170.0f, 2.0f));
}

const Rgb kHaze{184, 186, 184};

// Low, heavy overcast: darker above, paler towards the horizon, with soft
// horizontal cloud bands and a few brighter thin patches.
Rgb skyAt(float x, float y)
{
    const float t = clamp01(y / 220.0f);
    Rgb c = mix(Rgb{128, 132, 138}, Rgb{190, 192, 191}, std::pow(t, 0.8f));
    const float bands = fbm(x * 0.0045f, y * 0.018f, 41, 6);
    const float billows = fbm(x * 0.012f + bands * 2.0f, y * 0.04f, 43, 5);
    const float shade = (bands - 0.5f) * 46.0f + (billows - 0.5f) * 22.0f;
    c = c + Rgb{shade, shade, shade * 0.96f};
    return mix(c, kHaze, smooth(120.0f, 230.0f, y) * 0.5f);
}

// Hills: a hazy blue-grey far ridge and a nearer green-brown hill of fields,
// hedges and scrub.  Returns false where the sky shows through.
bool hillAt(float x, float y, Rgb& out)
{
    const float nearTop = nearHillY(x);
    if (y >= nearTop) {
        const float patches = fbm(x * 0.02f, y * 0.05f, 51, 5);
        const float fields = fbm(x * 0.006f, y * 0.03f, 53, 3);
        Rgb c = mix(Rgb{88, 96, 64}, Rgb{120, 110, 76}, smooth(0.4f, 0.65f, fields));
        c = mix(c, Rgb{60, 70, 50}, smooth(0.55f, 0.7f, patches) * 0.7f); // woodland
        const float grain = fbm(x * 0.3f, y * 0.3f, 55, 2) - 0.5f;
        c = c + Rgb{grain, grain, grain} * 18.0f;
        // Fog hangs over the water, so the foot of the hill is paler.
        const float foot = smooth(nearTop, shoreY(x), y);
        out = mix(c, kHaze, 0.38f + 0.2f * foot);
        return true;
    }
    if (y >= farRidgeY(x)) {
        // Far ridge: gullies and spurs picked out faintly, cloud dragging
        // across its upper slopes.
        const float tone = fbm(x * 0.015f, y * 0.04f, 61, 5) - 0.5f;
        const float gully = fbm(x * 0.05f, y * 0.012f, 63, 4) - 0.5f;
        const Rgb c = Rgb{118, 128, 114} + Rgb{1, 1, 1} * (tone * 26.0f + gully * 18.0f);
        const float mist =
            smooth(0.45f, 0.7f, fbm(x * 0.008f, y * 0.03f, 65, 5)) * smooth(farRidgeY(x) + 40.0f, farRidgeY(x), y);
        out = mix(c, kHaze, std::min(1.0f, 0.5f + 0.2f * smooth(farRidgeY(x), nearTop, y) + 0.3f * mist));
        return true;
    }
    return false;
}

// Ground-plane coordinates of a pixel below the horizon, from a pinhole
// camera a little above the water: lateral distance X = (x - cx) / d and
// range Z = f / d, where d is the height below the horizon.  `dx`/`dz` are
// the ground extent of one pixel, used to fade out sub-pixel noise detail.
struct Ground {
    float gx, gz, dx, dz;
};

constexpr float kFocal = 900.0f;

Ground groundAt(float x, float y)
{
    const float d = std::max(y - kHorizon, 1.0f);
    return {(x - 460.0f) / d, kFocal / d, 1.0f / d, kFocal / (d * d)};
}

// Fractal noise laid on the ground plane with separate along-/across-stream
// frequencies; stretching in X gives the elongated look of flowing water.
float groundNoise(const Ground& g, float sx, float sz, uint32_t seed, int octaves, float ox = 0.0f)
{
    return fbm(g.gx * sx + ox, g.gz * sz, seed, octaves, std::max(g.dx * sx, g.dz * sz));
}

// Exposed mudflat amount (0 = water, 1 = mud).  A broad bank sweeps in from
// the foreground left, a long bar lies mid-channel and a thin strip fringes
// the far shore; noise breaks all their edges into lobes and inlets.
float mudAmount(float x, float y, const Ground& g)
{
    const float field = groundNoise(g, 0.9f, 0.22f, 72, 7);
    const float edge = groundNoise(g, 0.9f, 2.6f, 73, 5) - 0.5f;
    const float bank = smooth(3.3f, 2.5f, g.gz + 0.85f * g.gx + edge * 0.9f) * 0.55f;
    const float bar =
        std::exp(-std::pow((y - 310.0f) / 13.0f, 2.0f)) * smooth(840.0f, 680.0f, x) * smooth(380.0f, 540.0f, x) * 0.5f;
    const float shoreStrip = smooth(274.0f, 261.0f, y) * 0.4f;
    return smooth(0.77f, 0.83f, field + bank + bar + shoreStrip);
}

Rgb skyReflection(float x, float y)
{
    // Mirror about the horizon and soften the cloud detail: the water is far
    // too disturbed for a crisp reflection.
    const float my = std::max(0.0f, 2.0f * kHorizon - y);
    return mix(skyAt(x, std::clamp(my, 60.0f, 230.0f)), Rgb{178, 179, 177}, 0.45f);
}

// Slope of the wind-ruffled surface towards the camera: octaves of ground
// noise, squashed across the wind so wavelets come out as short dashes.
// Octaves finer than a pixel are dropped, so far water resolves into the
// smooth bands seen at a grazing angle.
float waveSlope(const Ground& g)
{
    float slope = 0.0f, freq = 9.0f, amp = 1.0f;
    for (uint32_t i = 0; i < 6; ++i, freq *= 1.9f, amp *= 0.8f) {
        const float pixel = std::max(g.dx * freq * 0.4f, g.dz * freq);
        const float fade = 1.0f - smooth(0.3f, 0.9f, pixel);
        if (fade <= 0.0f)
            break;
        slope += amp * fade * (valueNoise(g.gx * freq * 0.4f, g.gz * freq, 500 + i) - 0.5f);
    }
    return slope * 1.3f;
}

// Turbid estuary water: silt-laden milky brown, paler sediment plumes drawn
// out along the current, wind lanes, and ripples catching the grey sky.
// Reflectivity rises towards the far shore (grazing angle).
Rgb waterAt(float x, float y, const Ground& g)
{
    const float plume = groundNoise(g, 0.3f, 0.035f, 81, 6, 3.0f);
    const float swirl = groundNoise(g, 0.8f, 0.12f, 83, 5, plume * 2.0f);
    Rgb c = mix(Rgb{90, 74, 56}, Rgb{136, 114, 84}, smooth(0.38f, 0.64f, plume * 0.6f + swirl * 0.4f));

    const float lanes = groundNoise(g, 0.5f, 0.7f, 85, 5);
    const float gust = smooth(0.35f, 0.65f, groundNoise(g, 0.7f, 0.3f, 86, 4));
    const float grazing = smooth(460.0f, 262.0f, y);
    const float slope = waveSlope(g) * (0.4f + 0.8f * gust);
    float refl = 0.18f + 0.5f * grazing + (lanes - 0.5f) * 0.8f + slope * 0.6f;
    c = mix(c, skyReflection(x, y), clamp01(refl) * 0.65f);
    const float shade = slope * 24.0f * (1.0f - 0.5f * grazing);
    return c + Rgb{shade, shade, shade};
}

// Wet exposed mud: grey-brown, glossy where it is still draining, cut by
// small runnels that mirror the overcast.
Rgb mudAt(float x, float y, const Ground& g)
{
    const float tone = groundNoise(g, 2.0f, 0.5f, 91, 6);
    const float fine = groundNoise(g, 40.0f, 12.0f, 93, 4);
    Rgb c = mix(Rgb{88, 74, 58}, Rgb{124, 106, 84}, tone);
    c = c + Rgb{1, 1, 1} * ((fine - 0.5f) * 14.0f);
    const float runnel = std::fabs(groundNoise(g, 1.4f, 0.8f, 95, 5) - 0.5f);
    const float sheen = groundNoise(g, 2.0f, 1.6f, 97, 5);
    const float wetness = smooth(0.025f, 0.005f, runnel) * 0.25f + smooth(0.45f, 0.65f, sheen) * 0.45f;
    return mix(c, skyReflection(x, y) * 0.82f, clamp01(wetness));
}

Rgb landscapeAt(float x, float y)
{
    Rgb c;
    if (y < shoreY(x)) {
        if (!hillAt(x, y, c))
            c = skyAt(x, y);
        return c;
    }
    const Ground g = groundAt(x, y);
    const float mud = mudAmount(x, y, g);
    c = mix(waterAt(x, y, g), mudAt(x, y, g), mud);
    // A slightly paler wet fringe where the water laps the mud.
    c = mix(c, Rgb{146, 136, 120}, mud * (1.0f - mud) * 0.9f);
    // Haze deepens toward the far shore.
    return mix(c, kHaze, smooth(340.0f, 258.0f, y) * 0.45f);
}

// Sky, hills, water and mud, averaged over 2x2 samples per pixel so that
// skylines and shore edges come out soft rather than stair-stepped.
void paintLandscape(QImage& img)
{
    for (int py = 0; py < kHeight; ++py) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(py));
        for (int px = 0; px < kWidth; ++px) {
            Rgb sum{0, 0, 0};
            for (int s = 0; s < 4; ++s)
                sum = sum + landscapeAt(px + 0.25f + 0.5f * (s & 1), py + 0.25f + 0.5f * (s >> 1));
            line[px] = toQRgb(sum * 0.25f);
        }
    }
}

// A loose cluster of cottages and sheds on the lower slope behind the far
// shore, with dark trees between them.  Colours are pre-mixed with haze.
void paintSettlement(QImage& img)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    auto hazed = [](Rgb c, float k) { return QColor(toQRgb(mix(c, kHaze, k))); };

    const Rgb walls[] = {{206, 202, 192}, {190, 184, 170}, {168, 164, 156}, {200, 196, 184}};
    const Rgb roofs[] = {{72, 74, 80}, {104, 72, 62}, {92, 90, 92}, {64, 66, 70}};

    uint32_t n = 0;
    for (float x = 150.0f; x < 430.0f; x += 9.0f + 14.0f * hashUnit(int(x), 1, 201)) {
        ++n;
        const float r = hashUnit(int(x), 2, 201);
        const float shore = shoreY(x);
        const float baseY = shore - 3.0f - 26.0f * r * r; // some climb the slope
        if (baseY < nearHillY(x) + 4.0f)
            continue;

        // A tree or two first, so houses sit in front of the greenery.
        if (hashUnit(int(x), 3, 201) < 0.6f) {
            const float tx = x + 10.0f * (hashUnit(int(x), 4, 201) - 0.5f);
            for (int k = 0; k < 5; ++k) { // a tree is a clump of leafy blobs
                const float tr = 2.0f + 2.5f * hashUnit(int(x), 10 + k, 201);
                const float ox = 7.0f * (hashUnit(int(x), 20 + k, 201) - 0.5f);
                const float oy = 6.0f * hashUnit(int(x), 30 + k, 201);
                p.setBrush(hazed(Rgb{58, 68, 50} * (0.85f + 0.3f * hashUnit(int(x), 40 + k, 201)), 0.42f));
                p.drawEllipse(QPointF(tx + ox, baseY - 3.0f - oy), tr * 1.2f, tr);
            }
        }

        const float wr = hashUnit(int(x), 6, 201);
        const float w = wr > 0.85f ? 20.0f + 8.0f * wr : 8.0f + 9.0f * wr; // the odd terrace row
        const float h = 5.0f + 4.0f * hashUnit(int(x), 7, 201);
        const float roofH = 3.0f + 3.0f * hashUnit(int(x), 8, 201);
        const float haze = 0.36f + 0.15f * (shore - baseY) / 30.0f;
        const Rgb wall = walls[n % 4];

        p.setBrush(hazed(wall, haze));
        p.drawRect(QRectF(x, baseY - h, w, h));
        // Shaded gable end gives the boxes some volume.
        p.setBrush(hazed(wall * 0.78f, haze));
        p.drawRect(QRectF(x + w * 0.72f, baseY - h, w * 0.28f, h));

        QPainterPath roof;
        roof.moveTo(x - 1.0f, baseY - h);
        roof.lineTo(x + w * 0.18f, baseY - h - roofH);
        roof.lineTo(x + w * 0.82f, baseY - h - roofH);
        roof.lineTo(x + w + 1.0f, baseY - h);
        roof.closeSubpath();
        p.setBrush(hazed(roofs[(n * 7u) % 4], haze));
        p.drawPath(roof);

        // Dark windows, barely resolved at this distance.
        p.setBrush(hazed({60, 60, 62}, haze + 0.1f));
        for (float wx = x + 2.0f; wx < x + w * 0.65f; wx += 4.0f)
            p.drawRect(QRectF(wx, baseY - h * 0.65f, 1.4f, 1.6f));
    }

    // A low stone embankment along the waterfront below the houses.
    QPainterPath wall;
    wall.moveTo(140, shoreY(140) - 2.5f);
    for (float x = 150; x <= 440; x += 10)
        wall.lineTo(x, shoreY(x) - 2.5f);
    for (float x = 440; x >= 140; x -= 10)
        wall.lineTo(x, shoreY(x) + 0.5f);
    wall.closeSubpath();
    p.setBrush(hazed({96, 94, 88}, 0.45f));
    p.drawPath(wall);

    // A short stone slipway running down into the water.
    p.setBrush(hazed({120, 116, 108}, 0.4f));
    QPainterPath slip;
    slip.moveTo(300, shoreY(300) - 1);
    slip.lineTo(308, shoreY(308) - 1);
    slip.lineTo(316, shoreY(316) + 7);
    slip.lineTo(302, shoreY(302) + 7);
    slip.closeSubpath();
    p.drawPath(slip);
}

// -------------------------------------------------------- mud close-up ---

struct Print {
    float x, y, angle;
    bool left;
    float depth; // older prints have slumped and are shallower
};

// Depth (0..1) of one boot print at local position: forefoot and heel pads
// joined by a narrower waist, with cross-bars of tread in the sole.
float bootDepth(float px, float py, const Print& pr, float& rim)
{
    const float ca = std::cos(pr.angle), sa = std::sin(pr.angle);
    const float dx = px - pr.x, dy = py - pr.y;
    const float s = dx * ca + dy * sa; // along the foot
    float t = -dx * sa + dy * ca;      // across
    if (pr.left)
        t = -t;
    // Outline: an ellipse whose width swells at heel and ball and pinches
    // at the arch; `dist` is 1 on the outline of the sole.
    const float halfLen = 32.0f;
    const auto bump = [](float v, float c, float r) { return std::exp(-std::pow((v - c) / r, 2.0f)); };
    const float width =
        9.5f + 3.5f * bump(s, -20.0f, 10.0f) + 5.0f * bump(s, 14.0f, 14.0f) - 1.5f * bump(s, -4.0f, 6.0f);
    const float dist = std::hypot((t + 0.12f * s) / width, s / halfLen);
    if (dist > 1.8f)
        return 0.0f;
    // Displaced mud squeezes up as a low, soft ridge around the print.
    rim += 0.22f * pr.depth * std::exp(-std::pow((dist - 1.2f) / 0.22f, 2.0f));
    const float inside = smooth(1.12f, 0.6f, dist);
    const float tread = 0.1f * smooth(0.2f, 1.0f, std::sin(s * 1.1f)) * smooth(0.85f, 0.5f, dist);
    // Weight goes on heel and ball, so those parts sit deepest.
    return pr.depth * (inside * (0.75f + 0.25f * smooth(-5.0f, 15.0f, std::fabs(s + 3.0f))) - tread * pr.depth);
}

// Renders the close-up as a height field, then shades it with a low light
// from the upper left.  Water lies in the deepest hollows.
QImage paintMudCloseup(int w, int h)
{
    // One walker crossing diagonally (left and right boots alternating
    // either side of the line of travel), plus a fainter older trail.
    std::vector<Print> prints;
    const float heading = -0.5f, step = 118.0f, ca = std::cos(heading), sa = std::sin(heading);
    for (int i = -1; i < 6; ++i) {
        const bool left = (i & 1) != 0;
        const float side = left ? -15.0f : 15.0f;
        const float toeOut = left ? -0.1f : 0.1f;
        prints.push_back(
            {30.0f + i * step * ca - side * sa, 170.0f + i * step * sa + side * ca, heading + toeOut, left, 1.0f});
    }
    for (int i = 0; i < 2; ++i)
        prints.push_back(
            {222.0f + i * 36.0f + ((i & 1) ? 12.0f : -12.0f), 20.0f + i * 110.0f, 1.25f, (i & 1) != 0, 0.45f});

    std::vector<float> height(size_t(w) * size_t(h)), dents(height.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            float rim = 0.0f, dent = 0.0f;
            for (const Print& pr : prints)
                dent = std::max(dent, bootDepth(x, y, pr, rim));
            const float swell = fbm(x * 0.015f, y * 0.02f, 301, 5) * 1.2f;
            const float grain = fbm(x * 0.2f, y * 0.2f, 303, 3) * 0.07f;
            height[size_t(y) * w + x] = swell + grain + rim - dent * 1.1f;
            dents[size_t(y) * w + x] = dent;
        }
    }

    QImage img(w, h, QImage::Format_RGB32);
    const float lx = -0.55f, ly = -0.6f, lz = 0.58f;
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            auto at = [&](int xx, int yy) {
                return height[size_t(std::clamp(yy, 0, h - 1)) * w + std::clamp(xx, 0, w - 1)];
            };
            const float hx = (at(x + 1, y) - at(x - 1, y)) * 3.0f;
            const float hy = (at(x, y + 1) - at(x, y - 1)) * 3.0f;
            const float nl = 1.0f / std::sqrt(hx * hx + hy * hy + 1.0f);
            const float diffuse = std::max(0.0f, (-hx * lx - hy * ly + lz) * nl);
            // Glossy highlight: half-vector between the light and a viewer
            // looking down from slightly in front.
            const float hxv = lx, hyv = ly + 0.35f, hzv = lz + 0.94f;
            const float hn = 1.0f / std::sqrt(hxv * hxv + hyv * hyv + hzv * hzv);
            const float gloss = std::pow(std::max(0.0f, (-hx * hxv - hy * hyv + hzv) * nl * hn), 40.0f);

            const float dent = dents[size_t(y) * w + x];
            const float tone = fbm(x * 0.012f, y * 0.012f, 305, 3);
            Rgb c = mix(Rgb{102, 94, 84}, Rgb{132, 120, 104}, tone);
            // Mud pressed down in the prints is wetter and so darker.
            c = c * (1.0f - 0.22f * smooth(0.2f, 0.9f, dent));
            c = c * (0.42f + 0.7f * diffuse) + Rgb{190, 192, 192} * (gloss * 0.5f);

            // Water seeping into the deepest part of the fresher prints:
            // smooth, dark, faintly mirroring the grey sky.
            const float pool = smooth(0.82f, 0.92f, dent) * smooth(0.75f, 0.45f, at(x, y) + dent * 1.1f);
            c = mix(c, Rgb{86, 84, 80} + Rgb{1, 1, 1} * (fbm(x * 0.04f, y * 0.2f, 307, 2) * 36.0f), pool * 0.8f);
            line[x] = toQRgb(c);
        }
    }
    return img;
}

// Places the close-up in the bottom-right corner as a mounted print: soft
// drop shadow, off-white border, thin dark keyline.
void paintInset(QImage& img)
{
    const int iw = 300, ih = 196, border = 5;
    const int x0 = kWidth - iw - 22, y0 = kHeight - ih - 20;
    const QImage closeup = paintMudCloseup(iw, ih);

    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 8; i >= 1; --i) { // layered translucent rectangles = soft shadow
        p.setBrush(QColor(0, 0, 0, 10));
        const QRectF r(x0 - border + 3 - i, y0 - border + 4 - i, iw + 2 * border + 2 * i, ih + 2 * border + 2 * i);
        p.drawRoundedRect(r, i, i);
    }
    p.setBrush(QColor(232, 230, 224));
    p.drawRect(QRectF(x0 - border, y0 - border, iw + 2 * border, ih + 2 * border));
    p.drawImage(x0, y0, closeup);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 38, 36), 1.0));
    p.drawRect(QRectF(x0 - 0.5, y0 - 0.5, iw + 1, ih + 1));
}

// Camera character: gentle vignette and fine luminance grain.
void finishAsPhoto(QImage& img)
{
    for (int y = 0; y < kHeight; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < kWidth; ++x) {
            const float dx = (x - kWidth * 0.5f) / kWidth, dy = (y - kHeight * 0.5f) / kHeight;
            const float vignette = 1.0f - 0.28f * (dx * dx + dy * dy) * 2.0f;
            const float grain = (hashUnit(x, y, 401) + hashUnit(x, y, 402) - 1.0f) * 7.0f;
            const QRgb q = line[x];
            line[x] =
                toQRgb(Rgb{float(qRed(q)), float(qGreen(q)), float(qBlue(q))} * vignette + Rgb{grain, grain, grain});
        }
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.jpg\n", argv[0]);
        return 2;
    }
    QImage img(kWidth, kHeight, QImage::Format_RGB32);
    paintLandscape(img);
    paintSettlement(img);
    paintInset(img);
    finishAsPhoto(img);
    if (!img.save(QString::fromLocal8Bit(argv[1]), "JPEG", 90)) {
        std::fprintf(stderr, "estuary_photo: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
