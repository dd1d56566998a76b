#pragma once

#include <QColor>

// The colours of the skinned windows.
namespace skin {

inline constexpr QColor kFrameColour(187, 200, 143);  // title band, frame bands, edit hover fill
inline constexpr QColor kFaceColour(236, 233, 216);   // client background, static controls
inline constexpr QColor kLabelColour(0, 100, 0);      // text of the unnamed group boxes
inline constexpr QColor kTitleColour(255, 255, 255);  // the title in the band

}  // namespace skin
