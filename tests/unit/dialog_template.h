// Reads a dialog template in the classic form (DLGTEMPLATE and DLGITEMTEMPLATE records).
#ifndef TARN_TESTS_DIALOG_TEMPLATE_H
#define TARN_TESTS_DIALOG_TEMPLATE_H

#include <cstdint>
#include <string>
#include <vector>

#include "resource_file.h"

struct DialogBox {
  int16_t x = 0, y = 0, width = 0, height = 0;
};

inline bool operator==(const DialogBox& a, const DialogBox& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// Predefined window classes, as the template stores them.
enum ControlClass : uint16_t { BUTTON_CLASS = 0x80, EDIT_CLASS = 0x81, STATIC_CLASS = 0x82 };

struct DialogControl {
  uint32_t style = 0;
  DialogBox box;
  uint16_t id = 0;
  ResourceName windowClass;
  std::string text;
};

struct DialogTemplate {
  uint32_t style = 0;
  DialogBox box;
  std::string caption;
  uint16_t pointSize = 0;  // with DS_SETFONT only
  std::string typeface;
  std::vector<DialogControl> controls;
};

// False for the extended form or a template cut short.
bool ReadDialogTemplate(const std::vector<uint8_t>& data, DialogTemplate& dialog);

// The first control with this id, or none.
const DialogControl* FindControl(const DialogTemplate& dialog, uint16_t id);

#endif
