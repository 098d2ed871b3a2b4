// Drawing into the client image with the game's drawing state (colours, text background, line
// width, font). One QPainter stays open on the image between calls and is closed before the image
// is shown, read or copied.
//
// Lines and boxes are laid out pixel by pixel without antialiasing and cover both end points. A
// 2-pixel line adds its second pixel left of a vertical line and above a horizontal one: the cell
// interiors of the board leave exactly that pixel free at the right and bottom box edges.
//
// The image has the screen's device-pixel ratio: the game's coordinates are logical pixels, and the
// painter turns each into the device pixels from round(x * ratio) up to round((x + 1) * ratio), so
// fills, lines and texts are drawn at the screen's full resolution. What reads or copies pixels itself
// (ClientPixel, the bitmaps) works on the same device pixels.
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/qt_internal.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <map>

namespace {

uint32_t textColor = 0x000000;
uint32_t fillColor = 0xFFFFFF;
bool transparentText = false;
int lineWidth = 1;

// The painter, open or not.
QPainter& ThePainter()
{
    static auto* painter = new QPainter;
    return *painter;
}

// The painter, open on the client image.
QPainter& Painter()
{
    QPainter* painter = &ThePainter();
    if (!painter->isActive()) {
        painter->begin(&qtplatform::ClientImage());
        painter->setRenderHint(QPainter::Antialiasing, false);
        painter->setRenderHint(QPainter::TextAntialiasing, false);
    }
    return *painter;
}

QColor Colour(uint32_t rgb)
{
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// A filled rectangle of pixels, corners inclusive, in any corner order.
void FillPixels(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    Painter().fillRect(QRect(QPoint(x1, y1), QPoint(x2, y2)), Colour(rgb));
}

// One-pixel line including both end points.
void ThinLine(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    if (x1 == x2 || y1 == y2) {
        FillPixels(x1, y1, x2, y2, rgb);
        return;
    }
    // Bresenham for the slanted case, in logical pixels: at a higher ratio a stair of device-pixel
    // blocks (the game draws only level and upright lines).
    QPainter& painter = Painter();
    QColor colour = Colour(rgb);
    int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        painter.fillRect(x1, y1, 1, 1, colour);
        if (x1 == x2 && y1 == y2)
            break;
        int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

void Line(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    ThinLine(x1, y1, x2, y2, rgb);
    if (lineWidth < 2)
        return;
    if (std::abs(x2 - x1) < std::abs(y2 - y1)) // mostly vertical: the extra pixel to the left
        ThinLine(x1 - 1, y1, x2 - 1, y2, rgb);
    else
        ThinLine(x1, y1 - 1, x2, y2 - 1, rgb);
}

void Outline(int x1, int y1, int x2, int y2, uint32_t rgb)
{
    FillPixels(x1, y1, x2, y1, rgb);
    FillPixels(x1, y2, x2, y2, rgb);
    FillPixels(x1, y1, x1, y2, rgb);
    FillPixels(x2, y1, x2, y2, rgb);
}

// Copies of client rectangles in device pixels at the image's ratio, ARGB32_Premultiplied; pixels
// from outside the client area are transparent, so pasting leaves those alone.
std::map<int, QImage>& Bitmaps()
{
    static auto* bitmaps = new std::map<int, QImage>;
    return *bitmaps;
}
int nextBitmap = 1;

// The ratio of the screen the window starts on. The image keeps it when the window moves to a screen
// of another ratio, where the window shows it scaled: a new ratio would need the game to draw its
// whole screen again, which it is not asked to from here.
double StartRatio()
{
    if (QWidget* client = qtplatform::ClientWidget())
        return client->devicePixelRatioF();
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

QImage WhiteImage(double ratio)
{
    QImage image(qRound(ClientImageWidth * ratio), qRound(ClientImageHeight * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

} // namespace

namespace qtplatform {

QImage& ClientImage()
{
    static auto* image = new QImage(WhiteImage(StartRatio()));
    return *image;
}

int DevicePixel(int logical)
{
    return qRound(logical * ClientImage().devicePixelRatio());
}

void EndPainting()
{
    if (ThePainter().isActive())
        ThePainter().end();
}

} // namespace qtplatform

void SetTextColor(uint32_t rgb)
{
    textColor = rgb & 0xFFFFFF;
}
void SetFillColor(uint32_t rgb)
{
    fillColor = rgb & 0xFFFFFF;
}
void SetTransparentText(bool transparent)
{
    transparentText = transparent;
}
void SetLineWidth(int width)
{
    lineWidth = width >= 2 ? 2 : 1;
}

void FillClient(uint32_t rgb)
{
    FillPixels(0, 0, ClientImageWidth - 1, ClientImageHeight - 1, rgb);
    qtplatform::ScheduleRepaint();
}

void DrawLine(int x1, int y1, int x2, int y2)
{
    Line(x1, y1, x2, y2, textColor);
    qtplatform::ScheduleRepaint();
}

void DrawBox(int x1, int y1, int x2, int y2, bool filled)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    if (filled && x2 - x1 >= 2 && y2 - y1 >= 2)
        FillPixels(x1 + 1, y1 + 1, x2 - 1, y2 - 1, fillColor);
    Outline(x1, y1, x2, y2, textColor);
    if (lineWidth >= 2) {
        // The second ring lies outside at the left and top and inside at the right and bottom.
        Outline(x1 - 1, y1 - 1, x2, y2, textColor);
        Outline(x1, y1, x2 - 1, y2 - 1, textColor);
    }
    qtplatform::ScheduleRepaint();
}

void DrawText(int x, int y, const std::string& utf8)
{
    const qtplatform::FontInfo& font = qtplatform::CurrentFont();
    QString text = qtplatform::FromUtf8(utf8);
    if (text.isEmpty())
        return;
    QPainter& painter = Painter();
    if (!transparentText) {
        int width = TextWidth(utf8);
        if (width > 0)
            painter.fillRect(x, y, width, font.height, Colour(fillColor));
    }
    painter.setPen(Colour(textColor));
    // Laid out in device pixels with the font's size scaled by the ratio: through a scaling painter Qt
    // draws glyphs of 64 device pixels and more as smoothed outlines, and the game's texts must keep
    // their two colours (drawn again, they look the same). At ratio 1 this is the font as it is.
    const double ratio = qtplatform::ClientImage().devicePixelRatio();
    QFont scaled = font.font;
    if (font.font.pixelSize() > 0)
        scaled.setPixelSize(qRound(font.font.pixelSize() * ratio));
    else
        scaled.setPointSizeF(font.font.pointSizeF() * ratio);
    painter.setFont(scaled);
    painter.setWorldTransform(QTransform::fromScale(1.0 / ratio, 1.0 / ratio));
    using qtplatform::DevicePixel;
    const int baseline = DevicePixel(y + font.ascent);
    if (font.fixedAdvance > 0) {
        int column = 0;
        for (char32_t code : text.toUcs4()) {
            painter.drawText(QPointF(DevicePixel(x + column * font.fixedAdvance), baseline),
                             QString::fromUcs4(&code, 1));
            ++column;
        }
    } else {
        painter.drawText(QPointF(DevicePixel(x), baseline), text);
    }
    painter.resetTransform();
    qtplatform::ScheduleRepaint();
}

int CopyClientRect(int x1, int y1, int x2, int y2)
{
    if (x1 > x2)
        std::swap(x1, x2);
    if (y1 > y2)
        std::swap(y1, y2);
    qtplatform::EndPainting();
    const QImage& client = qtplatform::ClientImage();
    using qtplatform::DevicePixel;
    const QRect area(QPoint(DevicePixel(x1), DevicePixel(y1)),
                     QPoint(DevicePixel(x2 + 1) - 1, DevicePixel(y2 + 1) - 1));
    QImage copy(area.size(), QImage::Format_ARGB32_Premultiplied);
    copy.setDevicePixelRatio(client.devicePixelRatio());
    copy.fill(Qt::transparent);
    const QRect inside = area & client.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(client.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(copy.scanLine(y - area.top()));
        for (int x = inside.left(); x <= inside.right(); ++x)
            to[x - area.left()] = from[x] | 0xFF000000u;
    }
    int handle = nextBitmap++;
    Bitmaps()[handle] = copy;
    return handle;
}

// A bitmap of the image's ratio goes back pixel for pixel, its transparent pixels left out, so a copy
// pasted where it was taken restores exactly what was there. One of another ratio (copied before
// UseClientPixelRatio) is scaled by the painter.
void PasteBitmap(int bitmap, int x, int y)
{
    auto found = Bitmaps().find(bitmap);
    if (found == Bitmaps().end())
        return;
    const QImage& pasted = found->second;
    if (pasted.devicePixelRatio() != qtplatform::ClientImage().devicePixelRatio()) {
        QPainter& painter = Painter();
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawImage(x, y, pasted);
        qtplatform::ScheduleRepaint();
        return;
    }
    qtplatform::EndPainting();
    QImage& client = qtplatform::ClientImage();
    const QPoint at(qtplatform::DevicePixel(x), qtplatform::DevicePixel(y));
    const QRect inside = QRect(at, pasted.size()) & client.rect();
    for (int row = inside.top(); row <= inside.bottom(); ++row) {
        const QRgb* from = reinterpret_cast<const QRgb*>(pasted.constScanLine(row - at.y()));
        QRgb* to = reinterpret_cast<QRgb*>(client.scanLine(row));
        for (int column = inside.left(); column <= inside.right(); ++column) {
            const QRgb pixel = from[column - at.x()];
            if (qAlpha(pixel) == 255)
                to[column] = pixel;
        }
    }
    qtplatform::ScheduleRepaint();
}

void ReleaseBitmap(int bitmap)
{
    Bitmaps().erase(bitmap);
}

// A logical pixel's colour is that of its top-left device pixel, the first one its fill covers: at
// ratio 1 the pixel itself, at ratio 2 the top-left one of its 2 x 2.
uint32_t ClientPixel(int x, int y)
{
    if (x < 0 || y < 0 || x >= ClientImageWidth || y >= ClientImageHeight)
        return 0;
    return ClientDevicePixel(qtplatform::DevicePixel(x), qtplatform::DevicePixel(y));
}

uint32_t ClientDevicePixel(int x, int y)
{
    qtplatform::EndPainting();
    const QImage& image = qtplatform::ClientImage();
    if (!image.rect().contains(x, y))
        return 0;
    return image.pixel(x, y) & 0xFFFFFF;
}

double ClientPixelRatio()
{
    return qtplatform::ClientImage().devicePixelRatio();
}
int ClientDeviceWidth()
{
    return qtplatform::ClientImage().width();
}
int ClientDeviceHeight()
{
    return qtplatform::ClientImage().height();
}
int ToDevicePixels(int logical)
{
    return qtplatform::DevicePixel(logical);
}

void UseClientPixelRatio(double ratio)
{
    qtplatform::EndPainting();
    qtplatform::ClientImage() = WhiteImage(ratio);
    qtplatform::ScheduleRepaint();
}

bool SaveClientImage(const std::string& path)
{
    qtplatform::EndPainting();
    QString name = qtplatform::FromUtf8(path);
    QFileInfo info(name);
    QDir().mkpath(info.absolutePath());
    QImage shot = qtplatform::ClientImage().copy();
    qtplatform::PaintLabels(shot);
    return shot.save(name, "PNG");
}
