// The control's values in Qt's types: OLE colours as QColor (a system colour
// is alpha 0 with its index in red), fonts as QFont, and the caption as it
// reads without its access-key markers.
#pragma once

#include "platform/container/Font.h"
#include "platform/container/PropertyValue.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

namespace ztbuttons {

std::optional<container::OleColor> ToOleColor(const QColor& color); // nullopt for an invalid colour
QColor ToQColor(container::OleColor color);

container::FontPtr FromQFont(const QFont& font);
QFont ToQFont(const container::Font& font);
bool SameFont(const QFont& font, const container::Font& kept);

// "&&" reads as "&", a single "&" is dropped; "||" stays.
QString CaptionWithoutMarkers(const QString& caption);

} // namespace ztbuttons
