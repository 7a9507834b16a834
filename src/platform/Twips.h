#pragma once

// Twips (1/1440 inch), the unit of window geometry in the registry and of the
// mouse positions some controls report.
namespace twips {

// Twips per pixel = 1440 / the primary screen's logical DPI (15 at 96 DPI);
// 15 when there is no screen.
double perPixelX();
double perPixelY();

}  // namespace twips
