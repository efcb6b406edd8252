// The information notes the properties show at design time when an assignment
// is refused or has no effect. The texts are the control's own, word for word.
#pragma once

namespace property_notes {

inline constexpr const char* kCaptionAlignWithTopBottomPicture =
    "When button images are aligned top/bottom center, \r\nbutton captions can only be center aligned";
inline constexpr const char* kCustomClickNeedsCustomShape =
    "This property has no effect unless the Button Shape is a custom shape.";
inline constexpr const char* kCustomShapeNeedsBitmap =
    "The Picture Property must be assigned first and must be a bitmap or JPEG.";
inline constexpr const char* kIconOnCustomShape =
    "Icons cannot be used for custom buttons. Only use bitmaps or JPEGs.\r\nButton was changed to Rectangular shaped.";
inline constexpr const char* kFocusRectOnDefaultButton =
    "The focus rectangle may appear on default buttons ONLY while in design mode, \r\nbut will not appear when the "
    "form is running.";
inline constexpr const char* kValueInCommandMode = "This property is not applicable for command button modes.";
inline constexpr const char* kPictureSizeOnCustomShape = "The picture size cannot be changed for Shaped buttons";

}  // namespace property_notes
