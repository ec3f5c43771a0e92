// What a pen number means to each output: the layer of the CAD files, the CAD colour, the
// line style and width of the graphics window, and the palette of the window.
#pragma once

#include <string>

#include "graphics/cad_settings.h"

namespace bxr {

// A pen number above 31 becomes (number mod 16) + 16; negative pens count as 0.
int NormalisePen(int pen);
// The DXF and element-text layer of a pen.
std::string PenLayerName(const CadSettings& cad, int pen);
// The CAD colour number (1 red, 2 yellow, 3 green, 4 cyan, 5 blue, 6 magenta, 7 white, ...)
// a pen draws with; 1 for everything with the monochrome switch.
int PenCadColour(const CadSettings& cad, int pen);
// Window line style of a pen: 2 dash-dot for pen 1, 3 dashed for pen 2, else 0 solid.
int PenLineStyle(const CadSettings& cad, int pen);
// Window line width of a pen; a configured width outside 2..50 counts as 1.
int PenLineWidth(const CadSettings& cad, int pen);

// The window palette index of a CAD colour number, so that CAD colours show in the matching
// light palette colours.
int GetColorTurbo(int colour);
// RGB (0xRRGGBB) of a palette index 0..15; colour 0 is the given foreground colour.
unsigned PaletteRgb(int index, unsigned foregroundRgb);
// The graphics window's background from the configured colour number: the palette colour
// (0 black); a number outside the palette gives the default colour 1.
unsigned BackgroundRgb(int configuredColour);
// True for colours a dark pen shows well on (perceived brightness at least half).
bool IsLightRgb(unsigned rgb);
// Colour 0 on that background: white on a dark one, black on a light one.
unsigned ForegroundRgbOn(unsigned backgroundRgb);
// The light palette colours (white, yellow, light green, cyan, the greys) in darker shades of
// the same hue, for white paper and light backgrounds; other colours as they are.
unsigned DarkerOnLight(unsigned rgb);
// What a pen colour shows as on the background: on a light background the light pens
// darker, and a colour equal to the background in the foreground colour, so that nothing
// drawn disappears.
unsigned ShownRgb(unsigned rgb, unsigned backgroundRgb, unsigned foregroundRgb);
// Line style of a line type name: DOTTED/PUNKT 1, CENTER/DASHDOT/STRICHPUNKT 2,
// DASHED/HIDDEN/VERDECKT 3, anything else 0.
int LineStyleOfName(const std::string& name);

}  // namespace bxr
