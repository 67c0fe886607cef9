#pragma once

namespace vorvan {

// Centring a window on the screen in twips, single precision, from its outer size.
struct WindowPosition
{
    float left;
    float top;
};
WindowPosition centredPosition(float screenWidth, float screenHeight, float windowWidth, float windowHeight);

} // namespace vorvan
