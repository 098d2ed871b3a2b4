// Fonts: the game asks for a face with a character cell height and an average character width in
// pixels (or for the panel and window fonts, which advance 8 pixels per character); this finds the
// Qt font that matches and keeps it for the next request.
#include "platform/draw.h"
#include "platform/inspection.h"
#include "platform/qt_internal.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace {

using FontKey = std::tuple<std::string, int, int, int>;
constexpr int PanelCellHeight = 12;
std::map<FontKey, qtplatform::FontInfo>& Cache()
{
    static auto* cache = new std::map<FontKey, qtplatform::FontInfo>;
    return *cache;
}
qtplatform::FontInfo current;
bool currentSet = false;

QFont::Weight QtWeight(int weight)
{
    if (weight <= 0)
        return QFont::Normal;
    if (weight < 150)
        return QFont::Thin;
    if (weight < 250)
        return QFont::ExtraLight;
    if (weight < 350)
        return QFont::Light;
    if (weight < 450)
        return QFont::Normal;
    if (weight < 550)
        return QFont::Medium;
    if (weight < 650)
        return QFont::DemiBold;
    if (weight < 750)
        return QFont::Bold;
    if (weight < 850)
        return QFont::ExtraBold;
    return QFont::Black;
}

qtplatform::FontInfo Measured(const QFont& font, int fixedAdvance)
{
    QFontMetrics metrics(font);
    return {font, metrics.ascent(), metrics.ascent() + metrics.descent(), fixedAdvance};
}

QFont BaseFont(const QString& family, QFont::Weight weight, int pixelSize)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    font.setStyleStrategy(QFont::NoAntialias); // two colours only: text drawn again looks the same
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

qtplatform::FontInfo Resolve(const std::string& face, int height, int width, int weight)
{
    QString family = qtplatform::ResolveFace(face);
    QFont::Weight qtWeight = QtWeight(weight);
    // The largest pixel size whose cell (ascent + descent) does not exceed the height asked for.
    int pixelSize = std::max(1, height);
    for (int size = std::max(1, height); size >= 1; --size) {
        QFontMetrics metrics(BaseFont(family, qtWeight, size));
        pixelSize = size;
        if (metrics.ascent() + metrics.descent() <= height)
            break;
    }
    QFont font = BaseFont(family, qtWeight, pixelSize);
    if (width > 0) {
        // Arial's own average width (its OS/2 xAvgCharWidth, 904 of 2048 units per em), not that of
        // the twin, whose table counts more glyphs: the game's widths were chosen against Arial.
        bool arial = family == "Liberation Sans";
        double average = arial ? pixelSize * 904.0 / 2048.0 : QFontMetricsF(font).averageCharWidth();
        if (average > 0) {
            int stretch = int(std::lround(100.0 * width / average));
            font.setStretch(std::clamp(stretch, 1, 4000));
        }
    }
    return Measured(font, 0);
}

void Use(const FontKey& key, qtplatform::FontInfo (*make)(const FontKey&))
{
    auto& cache = Cache();
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.emplace(key, make(key)).first;
    current = found->second;
    currentSet = true;
}

// The fixed-pitch fonts: Liberation Mono, every character placed 8 pixels after the previous one.
// cellHeight > 0 fixes the character cell like the bitmap font it stands for: the panel texts are
// laid out for 8 x 12 cells, and a taller opaque cell would cut the panel lines below them.
qtplatform::FontInfo FixedPitch(int pixelSize, bool bold, int cellHeight = 0)
{
    QFont font = BaseFont("Liberation Mono", bold ? QFont::Bold : QFont::Normal, pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting); // crisp like the bitmap fonts they stand for
    qtplatform::FontInfo info = Measured(font, 8);
    if (cellHeight > 0 && info.height > cellHeight) {
        // Keep the descent that fits and give up the rest of the ascent's leading.
        int descent = std::min(info.height - info.ascent, 2);
        info.ascent = cellHeight - descent;
        info.height = cellHeight;
    }
    return info;
}

} // namespace

namespace qtplatform {

QString ResolveFace(const std::string& face)
{
    QString name = FromUtf8(face).trimmed();
    if (name.compare("Arial", Qt::CaseInsensitive) == 0)
        return "Liberation Sans";
    return name;
}

const FontInfo& CurrentFont()
{
    if (!currentSet)
        UseFixedFont();
    return current;
}

} // namespace qtplatform

void UseFont(const std::string& face, int height, int width, int weight)
{
    Use({face, height, width, weight}, [](const FontKey& key) {
        return Resolve(std::get<0>(key), std::get<1>(key), std::get<2>(key), std::get<3>(key));
    });
}

void UseFixedFont()
{
    Use({"\x01oem", 0, 0, 0}, [](const FontKey&) { return FixedPitch(13, false, PanelCellHeight); });
}

void UseWindowFont(const std::string& face, double pointSize)
{
    // "Fixedsys" (the button captions) and "System" (titles and footer) are bold, 8 pixels per
    // character; System is a little taller.
    int pixelSize = QString::fromStdString(face).compare("System", Qt::CaseInsensitive) == 0 ? 14 : 13;
    (void)pointSize;
    Use({"\x01window", pixelSize, 0, 0},
        [](const FontKey& key) { return FixedPitch(std::get<1>(key), true); });
}

int TextWidth(const std::string& utf8)
{
    const qtplatform::FontInfo& font = qtplatform::CurrentFont();
    QString text = qtplatform::FromUtf8(utf8);
    if (font.fixedAdvance > 0)
        return font.fixedAdvance * int(text.toUcs4().size());
    return int(std::lround(QFontMetricsF(font.font).horizontalAdvance(text)));
}

int FixedFontHeight()
{
    static int height = FixedPitch(13, false, PanelCellHeight).height;
    return height;
}
