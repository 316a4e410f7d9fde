#include "dialog_template.h"

namespace {

const uint32_t DS_SETFONT = 0x40;

DialogBox ReadBox(ByteReader& reader) {
  DialogBox box;
  box.x = static_cast<int16_t>(reader.Word());
  box.y = static_cast<int16_t>(reader.Word());
  box.width = static_cast<int16_t>(reader.Word());
  box.height = static_cast<int16_t>(reader.Word());
  return box;
}

DialogControl ReadControl(ByteReader& reader) {
  reader.AlignTo(4);
  DialogControl control;
  control.style = reader.Dword();
  reader.Skip(4);  // extended style
  control.box = ReadBox(reader);
  control.id = reader.Word();
  control.windowClass = reader.NameOrOrdinal();
  const ResourceName title = reader.NameOrOrdinal();
  control.text = title.text;
  reader.Skip(reader.Word());  // creation data
  return control;
}

}  // namespace

bool ReadDialogTemplate(const std::vector<uint8_t>& data, DialogTemplate& dialog) {
  ByteReader reader(data);
  dialog.style = reader.Dword();
  if ((dialog.style >> 16) == 0xFFFF) return false;  // DLGTEMPLATEEX begins with version 1, signature 0xFFFF
  reader.Skip(4);
  const uint16_t count = reader.Word();
  dialog.box = ReadBox(reader);
  reader.NameOrOrdinal();  // menu
  reader.NameOrOrdinal();  // class
  dialog.caption = reader.Text();
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = reader.Word();
    dialog.typeface = reader.Text();
  }
  for (uint16_t i = 0; i < count && !reader.Failed(); ++i) dialog.controls.push_back(ReadControl(reader));
  return !reader.Failed();
}

const DialogControl* FindControl(const DialogTemplate& dialog, uint16_t id) {
  for (const DialogControl& control : dialog.controls)
    if (control.id == id) return &control;
  return nullptr;
}
