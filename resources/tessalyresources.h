#pragma once

// Qt resource paths of the pictures built into the program.
namespace tessaly::Resources {

// The hue and saturation chart shown when the program starts.
inline constexpr auto SamplePicture = ":/tessaly/sample.bmp";

// The 16 x 16 window icon (PNG with alpha).
inline constexpr auto Icon = ":/tessaly/tessaly.png";

} // namespace tessaly::Resources
