// The compiled resource script, read back from its .res file: what the Win32 code looks up
// by name and id must be there, with the layouts, styles and texts that the pages rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "designs.h"
#include "dialog_template.h"
#include "resource_file.h"
#include "resource_ids.h"

namespace {

const uint16_t RT_BITMAP = 2, RT_ICON = 3, RT_DIALOG = 5, RT_STRING = 6, RT_GROUP_ICON = 14, RT_VERSION = 16,
               RT_MANIFEST = 24;
const uint16_t FINNISH = 0x040B;

const uint32_t WS_POPUP = 0x80000000, WS_CHILD = 0x40000000, WS_VISIBLE = 0x10000000, WS_CAPTION = 0x00C00000,
               WS_SYSMENU = 0x00080000, WS_GROUP = 0x00020000, WS_TABSTOP = 0x00010000;
const uint32_t DS_SETFONT = 0x40, DS_MODALFRAME = 0x80, DS_CONTROL = 0x400;
const uint32_t BS_PUSHBUTTON = 0, BS_DEFPUSHBUTTON = 1, BS_AUTOCHECKBOX = 3, BS_GROUPBOX = 7, BS_AUTORADIOBUTTON = 9;
const uint32_t SS_LEFT = 0, SS_BLACKFRAME = 7, SS_BITMAP = 0xE, SS_ETCHEDFRAME = 0x12;
const uint32_t ES_MULTILINE = 0x4, ES_AUTOHSCROLL = 0x80;
const uint16_t NO_ID = 0xFFFF;

const char* const PAGE_TEMPLATES[] = {"INTRODLG",    "DESTDIRDLG1", "DESTDIRDLG2", "REPLACEDLG",
                                      "STARTDLG",    "COPYFILESDLG", "REGISTRYDLG", "NEWICONDLG",
                                      "READYDLG",    "OSERRORDLG",   "ERRORDLG"};

uint32_t ButtonKind(const DialogControl& control) { return control.style & 0xF; }
uint32_t StaticKind(const DialogControl& control) { return control.style & 0x1F; }

class ResourceScript : public testing::Test {
 protected:
  static void SetUpTestSuite() { loaded = ReadResourceFile(TARN_RESOURCE_FILE, resources); }

  void SetUp() override { ASSERT_TRUE(loaded) << "cannot read " << TARN_RESOURCE_FILE; }

  static DialogTemplate Dialog(const std::string& name) {
    DialogTemplate dialog;
    const Resource* resource = FindResource(resources, RT_DIALOG, name);
    EXPECT_NE(resource, nullptr) << name;
    if (resource != nullptr) EXPECT_TRUE(ReadDialogTemplate(resource->data, dialog)) << name;
    return dialog;
  }

  // A string table block holds sixteen counted texts; string n is text n % 16 of block n / 16 + 1.
  static std::string String(uint16_t id) {
    const Resource* block = FindResource(resources, RT_STRING, static_cast<uint16_t>(id / 16 + 1));
    if (block == nullptr) return "<no block>";
    ByteReader reader(block->data);
    for (int skipped = 0; skipped < id % 16; ++skipped) reader.Skip(2u * reader.Word());
    std::string text;
    for (uint16_t length = reader.Word(); length > 0; --length) text += static_cast<char>(reader.Word());
    return reader.Failed() ? "<cut short>" : text;
  }

  static const std::vector<uint8_t>& Data(uint16_t type, uint16_t name) {
    static const std::vector<uint8_t> none;
    const Resource* resource = FindResource(resources, type, name);
    EXPECT_NE(resource, nullptr) << "type " << type << " name " << name;
    return resource != nullptr ? resource->data : none;
  }

  static bool loaded;
  static std::vector<Resource> resources;
};

bool ResourceScript::loaded = false;
std::vector<Resource> ResourceScript::resources;

TEST_F(ResourceScript, EveryResourceIsFinnish) {
  ASSERT_FALSE(resources.empty());
  for (const Resource& resource : resources)
    EXPECT_EQ(resource.language, FINNISH) << "type " << resource.type.ordinal << " name " << resource.name.ordinal
                                          << resource.name.text;
}

// Not visible by itself: the Installer shows it unless it runs unattended.
TEST_F(ResourceScript, FrameIsAPopUpWithItsButtons) {
  const DialogTemplate frame = Dialog("MAINDLG");
  EXPECT_EQ(frame.style, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
  EXPECT_EQ(frame.box, (DialogBox{0, 0, 280, 165}));
  EXPECT_EQ(frame.caption, "Install");
  EXPECT_EQ(frame.pointSize, 8);
  EXPECT_EQ(frame.typeface, "MS Sans Serif");

  ASSERT_EQ(frame.controls.size(), 5u);
  const DialogControl& panel = frame.controls[0];
  EXPECT_EQ(panel.id, IDC_BITMAP_PANEL);
  EXPECT_EQ(StaticKind(panel), SS_BITMAP);
  EXPECT_EQ(panel.text, "") << "a named bitmap would resize the panel";
  EXPECT_EQ(panel.box, (DialogBox{7, 9, 77, 118}));
  const DialogControl& separator = frame.controls[1];
  EXPECT_EQ(separator.id, IDC_SEPARATOR);
  EXPECT_EQ(StaticKind(separator), SS_ETCHEDFRAME);
  EXPECT_EQ(separator.box, (DialogBox{8, 135, 264, 1}));

  struct Button {
    uint16_t id;
    DialogBox box;
    const char* text;
    uint32_t kind;
  };
  const Button buttons[] = {{IDC_BACK, {113, 144, 50, 14}, "<<  &Back ", BS_PUSHBUTTON},
                            {IDC_NEXT, {163, 144, 50, 14}, " &Next  >>", BS_DEFPUSHBUTTON},
                            {IDC_EXIT, {222, 144, 50, 14}, "Exit", BS_PUSHBUTTON}};
  for (size_t i = 0; i < 3; ++i) {
    const DialogControl& button = frame.controls[2 + i];
    EXPECT_EQ(button.id, buttons[i].id);
    EXPECT_EQ(button.windowClass.ordinal, BUTTON_CLASS);
    EXPECT_EQ(button.box, buttons[i].box);
    EXPECT_EQ(button.text, buttons[i].text);
    EXPECT_EQ(ButtonKind(button), buttons[i].kind);
    EXPECT_TRUE(button.style & WS_TABSTOP) << button.text;
    EXPECT_TRUE(button.style & WS_VISIBLE) << button.text;
  }
}

TEST_F(ResourceScript, EveryPageIsAHiddenChildOfThePageArea) {
  for (const char* name : PAGE_TEMPLATES) {
    SCOPED_TRACE(name);
    const DialogTemplate page = Dialog(name);
    EXPECT_EQ(page.style, DS_CONTROL | WS_CHILD | DS_SETFONT);
    EXPECT_EQ(page.box, (DialogBox{94, 10, 181, 117}));
    EXPECT_EQ(page.caption, "");
    EXPECT_EQ(page.pointSize, 8);
    EXPECT_EQ(page.typeface, "MS Sans Serif");
    const DialogControl* title = FindControl(page, IDC_PAGE_TITLE);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->windowClass.ordinal, STATIC_CLASS);
    EXPECT_EQ(StaticKind(*title), SS_LEFT);
    EXPECT_EQ(title->box.y, 0);
    for (const DialogControl& control : page.controls) {
      EXPECT_LE(control.box.x + control.box.width, 181) << control.text;
      EXPECT_LE(control.box.y + control.box.height, 117) << control.text;
    }
  }
  EXPECT_EQ(FindResource(resources, RT_DIALOG, "OS32DLG"), nullptr);
}

TEST_F(ResourceScript, ErrorPagesCarryTheirTexts) {
  const DialogTemplate error = Dialog("ERRORDLG");
  ASSERT_EQ(error.controls.size(), 2u);
  EXPECT_EQ(error.controls[0].text, "Installation not completed");
  EXPECT_EQ(error.controls[0].box, (DialogBox{3, 0, 163, 8}));
  EXPECT_EQ(error.controls[1].id, IDC_ERROR_MESSAGE);
  EXPECT_EQ(error.controls[1].text, "");
  EXPECT_EQ(error.controls[1].box, (DialogBox{3, 17, 165, 59}));

  const DialogTemplate platform = Dialog("OSERRORDLG");
  ASSERT_EQ(platform.controls.size(), 3u);
  EXPECT_EQ(platform.controls[0].text, "Operating system mismatch");
  EXPECT_EQ(platform.controls[1].text, "The current operating system is not supported.");
  EXPECT_EQ(platform.controls[1].box, (DialogBox{3, 17, 175, 17}));
  EXPECT_EQ(platform.controls[2].text,
            "The following operating systems are supported:\n\n- Windows 95/98\n- Windows NT 4.0");
  EXPECT_EQ(platform.controls[2].box, (DialogBox{3, 38, 172, 37}));
}

TEST_F(ResourceScript, FinishPageOffersTheReaderSetupUnchecked) {
  const DialogTemplate finish = Dialog("READYDLG");
  const DialogControl* box = FindControl(finish, IDC_READER_CHECKBOX);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text, "Start the Adobe \xAE Acrobat \xAE Reader") << "the sign must be one Windows-1252 byte";
  EXPECT_EQ(ButtonKind(*box), BS_AUTOCHECKBOX);
  EXPECT_TRUE(box->style & WS_TABSTOP);
  EXPECT_EQ(box->box, (DialogBox{12, 68, 156, 8}));
  const DialogControl* group = FindControl(finish, IDC_READER_GROUP);
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(ButtonKind(*group), BS_GROUPBOX);
  EXPECT_EQ(group->text, "");
  for (uint16_t id : {IDC_READER_TEXT, IDC_READER_NOTE}) EXPECT_NE(FindControl(finish, id), nullptr) << id;
}

TEST_F(ResourceScript, CopyPageHasItsFieldsAndProgressFrame) {
  const DialogTemplate copy = Dialog("COPYFILESDLG");
  struct Field {
    uint16_t id;
    DialogBox box;
    const char* text;
  };
  const Field fields[] = {{IDC_DISK_COUNT, {64, 25, 26, 8}, "1"},
                          {IDC_CURRENT_DISK, {64, 37, 32, 8}, "1"},
                          {IDC_COPY_STEP, {3, 49, 59, 8}, "Copying file:"},
                          {IDC_COPY_FILE, {64, 49, 110, 8}, ""}};
  for (const Field& field : fields) {
    const DialogControl* control = FindControl(copy, field.id);
    ASSERT_NE(control, nullptr) << field.id;
    EXPECT_EQ(control->box, field.box) << field.id;
    EXPECT_EQ(control->text, field.text) << field.id;
  }
  const DialogControl* bar = FindControl(copy, IDC_PROGRESS_BAR);
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(StaticKind(*bar), SS_BLACKFRAME);
  EXPECT_EQ(bar->box, (DialogBox{3, 99, 174, 11}));
  ASSERT_EQ(copy.controls.size(), 8u);
  EXPECT_EQ(copy.controls[1].id, NO_ID) << "labels carry the id -1";
}

TEST_F(ResourceScript, DestinationTemplatesDifferOnlyInTheirExplanation) {
  const DialogTemplate first = Dialog("DESTDIRDLG1");
  const DialogTemplate second = Dialog("DESTDIRDLG2");
  ASSERT_EQ(first.controls.size(), second.controls.size());
  int differing = 0;
  for (size_t i = 0; i < first.controls.size(); ++i) {
    EXPECT_EQ(first.controls[i].id, second.controls[i].id);
    EXPECT_EQ(first.controls[i].box, second.controls[i].box);
    differing += first.controls[i].text != second.controls[i].text;
  }
  EXPECT_EQ(differing, 1);

  const DialogControl* required = FindControl(first, IDC_REQUIRED_SIZE);
  ASSERT_NE(required, nullptr);
  EXPECT_EQ(required->text, "? kB");
  EXPECT_NE(FindControl(first, IDC_AVAILABLE_SIZE), nullptr);
  const DialogControl* edit = FindControl(first, IDC_DESTINATION_EDIT);
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->windowClass.ordinal, EDIT_CLASS);
  EXPECT_TRUE(edit->style & ES_AUTOHSCROLL) << "a path longer than the field must still be typed";
  EXPECT_FALSE(edit->style & ES_MULTILINE) << "Enter in the field must press Next";
  EXPECT_TRUE(edit->style & WS_TABSTOP);
}

// Auto radio buttons uncheck each other only within one group: nothing between them may
// start a new one.
TEST_F(ResourceScript, ReplaceChoicesFormOneRadioGroup) {
  const DialogTemplate replace = Dialog("REPLACEDLG");
  size_t yes = replace.controls.size(), no = yes;
  for (size_t i = 0; i < replace.controls.size(); ++i) {
    if (replace.controls[i].id == IDC_REPLACE_YES) yes = i;
    if (replace.controls[i].id == IDC_REPLACE_NO) no = i;
  }
  ASSERT_LT(yes, no);
  ASSERT_LT(no, replace.controls.size());
  EXPECT_EQ(ButtonKind(replace.controls[yes]), BS_AUTORADIOBUTTON);
  EXPECT_EQ(ButtonKind(replace.controls[no]), BS_AUTORADIOBUTTON);
  EXPECT_TRUE(replace.controls[yes].style & WS_GROUP);
  EXPECT_TRUE(replace.controls[yes].style & WS_TABSTOP);
  for (size_t i = yes + 1; i <= no; ++i) EXPECT_FALSE(replace.controls[i].style & WS_GROUP) << replace.controls[i].text;
}

TEST_F(ResourceScript, ErrorMessagesAreTheCatalogueOfCodes) {
  const char* const messages[] = {
      "The source file %s is missing. Contact your supplier.",
      "Internal data is missing. Contact your supplier.",
      ("Cannot create file %s. Be sure the disk is writable and you have write access.\n\nIf you have an earlier "
       "version of TARN running, please close it down and restart the installation."),
      "Cannot read from file %s. The source disk may be bad.",
      "Cannot write to file %s. A write error has occurred.",
      "The size of file %s is incorrect. A write error has occurred.",
      "Checksum error in file %s. The source disk may be bad.",
      "Cannot calculate CRC in file %s. A read error occurred.",
      "Cannot uncompress file %s. File is bad or a write error occurred.",
      "Installation aborted.",
      "Cannot create directory.",
      "Cannot create registry entry.",
      "Installation succeeded, but groups could not be created in Program Shell.",
  };
  for (uint16_t code = 1; code <= 13; ++code)
    EXPECT_EQ(String(static_cast<uint16_t>(IDS_ERROR_BASE + code)), messages[code - 1]) << "code " << code;
  EXPECT_EQ(String(IDS_ERROR_BASE), "") << "no code 0";
}

// Each message is a format for exactly the one text argument that the page passes, and
// must fit the 255 characters that are loaded.
TEST_F(ResourceScript, MessagesTakeAtMostOneTextArgument) {
  std::vector<uint16_t> ids{IDS_READER_LAUNCH_FAILED};
  for (uint16_t code = 1; code <= 13; ++code) ids.push_back(static_cast<uint16_t>(IDS_ERROR_BASE + code));
  for (uint16_t id : ids) {
    const std::string text = String(id);
    EXPECT_LE(text.size(), 255u) << id;
    int conversions = 0;
    for (size_t at = text.find('%'); at != std::string::npos; at = text.find('%', at + 2)) {
      EXPECT_EQ(text[at + 1], 's') << id << ": " << text;
      ++conversions;
    }
    EXPECT_LE(conversions, 1) << id;
  }
  const std::string launch = String(IDS_READER_LAUNCH_FAILED);
  EXPECT_EQ(launch.rfind(
                "Could not start the Acrobat Reader plug-in installation program '%s'.\nThe file may be damaged or "
                "missing.\nCheck your installation disk and, if possible, start the program.\n\nYou can also try "
                "to download a new copy from ",
                0),
            0u)
      << launch;
}

// The palette indices of a run-length coded 4-bit bitmap, rows top-down; empty when the codes
// are malformed or do not cover the picture exactly.
std::vector<std::vector<uint8_t>> DecodeRle4(ByteReader& codes, uint32_t width, uint32_t height) {
  std::vector<std::vector<uint8_t>> rows(height);
  uint32_t row = 0;
  auto put = [&](uint8_t pair, uint32_t count) {
    for (uint32_t i = 0; i < count; ++i) rows[height - 1 - row].push_back(i % 2 == 0 ? pair >> 4 : pair & 0xF);
  };
  for (;;) {
    const uint8_t count = codes.Byte(), code = codes.Byte();
    if (codes.Failed() || row >= height) return {};
    if (count != 0) {
      put(code, count);
    } else if (code == 0 || code == 1) {  // end of the row; end of the bitmap
      if (rows[height - 1 - row].size() != width) return {};
      if (code == 1) return row == height - 1 ? rows : std::vector<std::vector<uint8_t>>{};
      ++row;
    } else if (code == 2) {
      return {};  // a skip would leave pixels undefined
    } else {
      // Pixels as they are, two a byte, padded to a 16-bit word.
      const uint32_t storedBytes = (code + 3) / 4 * 2u;
      for (uint32_t i = 0; i < storedBytes; ++i) {
        const uint8_t pair = codes.Byte();
        put(pair, code > 2 * i ? std::min(code - 2 * i, 2u) : 0);
      }
    }
  }
}

TEST_F(ResourceScript, PanelBitmapIsTheDrawnPanelWithATealRim) {
  const std::vector<uint8_t>& bitmap = Data(RT_BITMAP, IDB_PANEL);
  ByteReader header(bitmap);
  ASSERT_EQ(header.Dword(), 40u);
  const uint32_t width = header.Dword(), height = header.Dword();
  header.Skip(2);
  const uint16_t bits = header.Word();
  const uint32_t compression = header.Dword();
  const uint32_t codeBytes = header.Dword();
  header.Skip(4 * 4 + 16 * 4);
  EXPECT_EQ(width, 95u);
  EXPECT_EQ(height, 174u);
  ASSERT_EQ(bits, 4);
  ASSERT_EQ(compression, 2u) << "BI_RLE4";
  ASSERT_EQ(bitmap.size(), 40u + 16 * 4 + codeBytes);

  const std::vector<std::vector<uint8_t>> pixels = DecodeRle4(header, width, height);
  ASSERT_EQ(pixels.size(), height);
  const IndexedImage drawn = DrawPanel();
  for (uint32_t y = 0; y < height; ++y)
    for (uint32_t x = 0; x < width; ++x) ASSERT_EQ(pixels[y][x], drawn.At(x, y)) << x << ", " << y;

  // The frame fills the panel with RGB 0, 128, 128 around the bitmap: its rim must match.
  auto colourAt = [&](uint32_t x, uint32_t y) {
    const uint8_t* quad = &bitmap[40 + pixels[y][x] * 4];
    return (quad[2] << 16) | (quad[1] << 8) | quad[0];
  };
  const int teal = 0x008080;
  for (uint32_t x = 0; x < width; ++x) {
    EXPECT_EQ(colourAt(x, 0), teal) << x;
    EXPECT_EQ(colourAt(x, height - 1), teal) << x;
  }
  for (uint32_t y = 0; y < height; ++y) {
    EXPECT_EQ(colourAt(0, y), teal) << y;
    EXPECT_EQ(colourAt(width - 1, y), teal) << y;
  }
}

TEST_F(ResourceScript, IconsAreSixteenColoursLargeAndSmall) {
  const struct {
    uint16_t group;
    uint8_t size;
  } icons[] = {{IDI_FRAME_LARGE, 32}, {IDI_FRAME_SMALL, 16}};
  for (const auto& icon : icons) {
    SCOPED_TRACE(icon.group);
    ByteReader group(Data(RT_GROUP_ICON, icon.group));
    group.Skip(4);
    ASSERT_EQ(group.Word(), 1) << "one image per icon";
    EXPECT_EQ(group.Byte(), icon.size);
    EXPECT_EQ(group.Byte(), icon.size);
    EXPECT_EQ(group.Byte(), 16);
    group.Skip(3);
    EXPECT_EQ(group.Word(), 4);
    group.Skip(4);
    const uint16_t image = group.Word();
    ASSERT_FALSE(group.Failed());

    ByteReader header(Data(RT_ICON, image));
    header.Skip(4);
    EXPECT_EQ(header.Dword(), icon.size);
    EXPECT_EQ(header.Dword(), 2u * icon.size) << "colour image and mask";
    header.Skip(2);
    EXPECT_EQ(header.Word(), 4);
  }
}

TEST_F(ResourceScript, ManifestAsksForAdministratorAndNothingElse) {
  const std::vector<uint8_t>& data = Data(RT_MANIFEST, 1);
  const std::string manifest(data.begin(), data.end());
  EXPECT_NE(manifest.find("level=\"requireAdministrator\""), std::string::npos);
  EXPECT_EQ(manifest.find("supportedOS"), std::string::npos) << "the platform check needs the version Windows reports unmanifested";
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << "the pages are drawn with the classic controls";
}

TEST_F(ResourceScript, VersionNamesTheProductWithoutADate) {
  const std::vector<uint8_t>& data = Data(RT_VERSION, 1);
  const std::vector<uint8_t> signature{0xBD, 0x04, 0xEF, 0xFE};
  const auto found = std::search(data.begin(), data.end(), signature.begin(), signature.end());
  ASSERT_NE(found, data.end());
  ByteReader fixed(data, static_cast<size_t>(found - data.begin()) + 8);
  EXPECT_EQ(fixed.Dword(), 0x000C0003u) << "file version 12.3";
  EXPECT_EQ(fixed.Dword(), 0u);
  EXPECT_EQ(fixed.Dword(), 0x000C0003u) << "product version 12.3";
  EXPECT_EQ(fixed.Dword(), 0u);
  fixed.Skip(20);
  EXPECT_EQ(fixed.Dword(), 0u) << "date";
  EXPECT_EQ(fixed.Dword(), 0u) << "date";

  std::u16string text;
  for (ByteReader units(data); units.Offset() < data.size();) text += static_cast<char16_t>(units.Word());
  EXPECT_NE(text.find(u"ProductName"), std::u16string::npos);
  EXPECT_NE(text.find(u"Morvane 12.3"), std::u16string::npos);
}

}  // namespace
