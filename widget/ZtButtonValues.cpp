#include "widget/ZtButtonValues.h"

#include "control/model/AccessKey.h"

#include <algorithm>
#include <cmath>

namespace ztbuttons {

std::optional<container::OleColor> ToOleColor(const QColor& color) {
    if (!color.isValid())
        return std::nullopt;
    if (color.alpha() == 0)
        return static_cast<container::OleColor>(0x80000000u | static_cast<unsigned>(color.red()));
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QColor ToQColor(container::OleColor color) {
    const auto bits = static_cast<std::uint32_t>(color);
    if ((bits & 0x80000000u) != 0)
        return QColor(static_cast<int>(bits & 0xFF), 0, 0, 0);
    return QColor(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                  static_cast<int>((bits >> 16) & 0xFF));
}

container::FontPtr FromQFont(const QFont& font) {
    double points = font.pointSizeF();
    if (points <= 0)
        points = font.pixelSize() * 72.0 / 96.0; // a font sized in pixels, at the classic 96 dpi
    auto kept = std::make_shared<container::Font>(font.family().toStdString(), points);
    kept->SetWeight(static_cast<std::int16_t>(std::clamp(static_cast<int>(font.weight()), 0, 1000)));
    kept->SetItalic(font.italic());
    kept->SetUnderline(font.underline());
    kept->SetStrikethrough(font.strikeOut());
    return kept;
}

QFont ToQFont(const container::Font& kept) {
    QFont font(QString::fromStdString(kept.Name()));
    font.setPointSizeF(kept.Size());
    font.setWeight(static_cast<QFont::Weight>(std::clamp<int>(kept.Weight(), 1, 1000)));
    font.setItalic(kept.Italic());
    font.setUnderline(kept.Underline());
    font.setStrikeOut(kept.Strikethrough());
    return font;
}

bool SameFont(const QFont& font, const container::Font& kept) {
    const container::FontPtr other = FromQFont(font);
    return other->Name() == kept.Name() && std::abs(other->Size() - kept.Size()) < 0.01 &&
           other->Bold() == kept.Bold() && other->Italic() == kept.Italic() &&
           other->Underline() == kept.Underline() && other->Strikethrough() == kept.Strikethrough();
}

QString CaptionWithoutMarkers(const QString& caption) {
    return QString::fromStdString(::CaptionWithoutMarkers(caption.toStdString()));
}

} // namespace ztbuttons
