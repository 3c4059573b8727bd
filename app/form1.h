#pragma once

#include <array>

#include "hotspot/hotspot_session.h"
#include "hotspot/main_window.h"
#include "hotspot/system.h"

namespace vanterel {

enum class ControlClass { TextBox, CommandButton, Label };

// A font as the window description stores it.
struct FontDescription {
  const char16_t* face;
  int tenthsOfPoint;
  int charset;
  int weight;
};

using ClickHandler = void (*)(MainWindow&, System&, HotspotSession&);

// One control of the stored window description; positions in twips,
// relative to the client area.
struct ControlDescription {
  Control name;
  ControlClass kind;
  int left;
  int top;
  int width;
  int height;
  const char16_t* text;
  const FontDescription* font;   // null: the window's default font
  const char16_t* passwordChar;  // TextBox only
  ClickHandler click;            // null: the event is left to the platform
};

struct FormDescription {
  const char16_t* caption;
  int clientWidth;
  int clientHeight;
  const FontDescription* font;
  std::array<ControlDescription, kControlCount> controls;  // in tab order
};

extern const FormDescription Form1;

// Pixels for a length in twips at the given DPI (15 twips a pixel at 96).
int twipsToPixels(int twips, int dpi);

}  // namespace vanterel
