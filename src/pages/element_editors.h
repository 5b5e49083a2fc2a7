// The element editors that several pages repeat, each written once and
// declared by every page that shows one, with the page's own control names
// and designed rectangles given as data:
//
//   OffsetMarkerPreview  an image preview box with the offset marker that
//                        frames the stretchable middle of a three-part image
//   ColorRow             a colour text with its swatch
//   MarkedImageEditor    an image: preview with marker, path, Browse,
//                        start and end offsets, stretch
//   TabImageEditor       a tab image: a MarkedImageEditor in its frame,
//                        with the outer extents and the padding
//   BackgroundEditor     a background element: style, two colour rows,
//                        gradient preview, and a MarkedImageEditor
//
// A component owns its controls and binds their events itself; a page
// declares it as a member like any control, in the order of its control
// table, and lays its own caption labels (often members of label arrays
// shared across a page) onto the component's containers. Every component
// registers its controls under their names (ControlNames), so the page, the
// Skin Navigator and the tests can reach a control by the name the page's
// table gives it ("txtBtnBkgndNormalImage").
//
// Shared rules of the handlers: every editing handler sets gModified, also
// while a project loads; change handlers skip their preview work while
// gLoadingProject is set; nothing shows a message.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "core/image_keys.h"
#include "core/numbers.h"
#include "ui/ui.h"

namespace pages {

// ---------------------------------------------------------------------------
// Small rules the editors share with the pages around them.

// The user's decimal separator and the number an offset or a size text
// stands for, read as everywhere else in the program (core/numbers.h).
using core::DecimalSeparator;
using core::NumericValue;

// Sets a check box from a stored flag ("0", "1", or "2" for greyed), read as
// a number: " 1 " and "1.0" tick the box. A text that is not a number, has
// a fraction other than zeros, or one the box cannot take, leaves the box as
// it was and gives false.
bool SetCheckFromText(ui::CheckBox& box, const std::string& stored);
// The same as a load sets a flag: a value the box cannot take (missing,
// empty, not a whole number) clears it, so that nothing of a project opened
// before stays.
void LoadCheckFromText(ui::CheckBox& box, const std::string& stored);

// The container, and every frame, picture box, label, check box and button
// in it at any depth, on the window colour: the look of the pages built from
// these editors.
void PaintOnWindowColour(ui::Container& container);

// Draws an image key's file centred into a preview that a load fills,
// recording its width (its height with recordHeight). The preview is
// emptied first: an empty key or a missing file leaves nothing of the
// project opened before in it.
void ShowLoadedImage(ui::PictureBox& picture, const std::string& path, bool recordHeight = false);

// The colour-text test of the text-colour rows: a typed text is parsed only
// when it starts with "#" and is 7 or 4 characters long, or when it starts
// with "rgb" in any case.
bool PassesColourTextTest(const std::string& text);

// Removes earlier duplicates of key from [section] of gSkinIni before the
// key is read, in at most `passes` passes against the load's scratch copy
// gTempIni: each pass deletes the key from the copy, and while the copy still
// holds a value deletes the first occurrence from gSkinIni. With up to
// passes + 1 occurrences the last remains; with more, the one at position
// passes + 1 is the first that remains. Nothing happens without a scratch
// copy, and nothing more once a delete from the copy fails.
void CleanUpDuplicateKey(const std::string& section, const std::string& key, int passes);

// ---------------------------------------------------------------------------
// ControlNames: the controls of a page by the names its table gives them.
// Names match without regard to case (the tables spell a few of them in two
// ways, such as ShpSideBarTabActiveOffset and shpSideBarTabActiveOffset).
class ControlNames {
 public:
  void Add(const std::string& name, ui::Control& control);
  void Add(const std::string& name, ui::Graphic& graphic);
  // Every loaded member of a control array, as name(index).
  template <class T>
  void AddArray(const std::string& name, ui::ControlArray<T>& array) {
    for (int i = 0; i < array.Count(); ++i)
      if (array.Exists(i)) Add(name + "(" + std::to_string(i) + ")", array(i));
  }
  struct LabelArray {
    const char* name;
    ui::ControlArray<ui::Label>& labels;
  };
  void AddArrays(std::initializer_list<LabelArray> arrays) {
    for (const LabelArray& array : arrays) AddArray(array.name, array.labels);
  }
  ui::Control* Find(const std::string& name) const;
  ui::Graphic* FindGraphic(const std::string& name) const;
  // The control of that name as the type the caller expects; nullptr when
  // there is none or it is of another type.
  template <class T>
  T* FindAs(const std::string& name) const {
    return dynamic_cast<T*>(Find(name));
  }

 private:
  std::map<std::string, ui::Control*> controls_;
  std::map<std::string, ui::Graphic*> graphics_;
};

// ---------------------------------------------------------------------------
// OffsetMarkerPreview
//
// Owns: `pic`, a picture box into which the element's image is drawn
// centred, and `shp`, the marker: a rectangle outline in the system highlight
// colour inside `pic`, larger than the box across the axis so that only its
// two lines across the axis show. The marker is hidden until its first
// update and visible afterwards, except over a box that a load emptied
// (Clear): there it stays hidden until an image is drawn into the box, and
// it starts again from its designed place.
//
// Axis: a horizontal member records the drawn image's width and moves the
// marker's left edge and width; a vertical member records the height and
// moves its top and height.
//
// The rule (UpdateMarker): h = the extent recorded with the box (0 before any
// image was drawn), B = the box's extent along the axis, m = (B - h) \ 2, not
// below 0. The marker is shown; its first edge goes to S + m - 1 and its
// extent to h - S - E + 2 pixels, S and E being the offset texts' numbers,
// so its lines fall on pixels m + S - 1 and m + h - E and enclose exactly
// the image's middle part. The position is skipped when the start text is
// not a number; the extent when either text is not a number or it would be
// negative. Either is skipped too when its pixel value does not fit an int.
// Each skipped setting keeps its previous value.
//
// Events: none of its own; the owner binds pic.Click or pic.DblClick.
//
// Declaring (the Backgrounds page's image box, inside an image group):
//   OffsetMarkerPreview preview{&picImageBase,
//       {"picMenuBkgndImage", "ShpMenuBkgndOffset", {96, 1, 173, 36}, {0, -2, 33, 40}}};
enum class MarkerAxis { Horizontal, Vertical };

struct MarkerPreviewDesign {
  std::string picName;
  std::string shpName;
  ui::Rect box;     // the preview box in its container
  ui::Rect marker;  // the marker in the box, as designed
  MarkerAxis axis = MarkerAxis::Horizontal;
};

class OffsetMarkerPreview {
 public:
  OffsetMarkerPreview(ui::Container* parent, const MarkerPreviewDesign& design);

  ui::PictureBox pic;
  ui::Shape shp;

  MarkerAxis Axis() const { return axis_; }
  // True on a vertical member: the drawing records the image's height.
  bool RecordsHeight() const { return axis_ == MarkerAxis::Vertical; }
  // The extent the last drawing recorded: 0 before any image was drawn.
  int RecordedExtent() const;
  // Draws an image key's file centred into the box, recording its extent
  // along the axis; an empty path draws nothing and keeps what was there.
  void ShowImage(const std::string& path);
  // Empties the box: no image, recorded extent 0, and no marker; the marker
  // is back at its designed place, so that offsets the rule cannot use
  // leave it there rather than where an earlier project put it.
  void Clear();
  // Places the marker from the two offset texts by the rule above.
  void UpdateMarker(const std::string& startText, const std::string& endText);

  void AddNames(ControlNames& names);

 private:
  MarkerAxis axis_;
  ui::Rect designedMarker_;
  // Clear emptied the box; it counts until an image is drawn again.
  bool emptied_ = false;
  std::string picName_;
  std::string shpName_;
};

// ---------------------------------------------------------------------------
// ColorRow
//
// Owns: `txt`, the colour text (a ColorText as typed), and `lblPalette`, a
// label with a single border whose back colour is the colour shown.
//
// Events:
//  - a click on the swatch (ignored while it is disabled) opens the colour
//    dialog (core::PickColor) at the swatch's colour; a chosen colour
//    becomes the swatch's colour and its "#RRGGBB" text the row's text.
//    The click itself redraws nothing and sets nothing else: the text's
//    Change does, and it does not run when the text stays the same.
//  - a Change of the text sets gModified; on a row with the colour-text test
//    the swatch then takes the parsed colour when the text passes the test
//    (otherwise it keeps its colour); then `Changed` is raised for the owner
//    (a gradient redraw, for instance).
// Rows without the test leave the swatch to their owner, which calls
// ShowTextColour (gWindowColor for an empty text, else the parsed colour,
// black for a text that cannot be read).
//
// Declaring (a text-colour row of the Colors page):
//   ColorRow Caption{&picTextColorBase, {"txtCaptionTextColor", "lblCaptionTextColorPalette",
//                                        {152, 4, 153, 22}, {312, 4, 38, 23}, true, false,
//                                        ui::kSysButtonFace}};
struct ColorRowDesign {
  std::string txtName;
  std::string lblName;
  ui::Rect txt;
  ui::Rect swatch;
  // The text's Change re-colours the swatch through the colour-text test.
  bool colourTextTest = false;
  // A colour picked in the dialog also becomes the text box's text colour.
  bool pickTintsText = false;
  // The swatch's colour until something colours it.
  ui::Color swatchColor = ui::kSysWindow;
};

class ColorRow {
 public:
  ColorRow(ui::Container* parent, const ColorRowDesign& design);

  ui::TextBox txt;
  ui::Label lblPalette;

  // Raised at the end of every Change of the text.
  ui::Handler Changed;

  std::string Text() const { return txt.Text(); }
  // The swatch's colour as an RGB value.
  int32_t Colour() const;
  void SetColour(int32_t colour);
  // The swatch from the text: gWindowColor for an empty text (a text of
  // blanks is not empty), else ParseColor of it.
  void ShowTextColour();

  void lblPalette_Click();
  void txt_Change();

  void AddNames(ControlNames& names);

 private:
  bool colourTextTest_;
  bool pickTintsText_;
  std::string txtName_;
  std::string lblName_;
};

// ---------------------------------------------------------------------------
// MarkedImageEditor
//
// Owns: `preview` (an OffsetMarkerPreview: `pic` and `shp`), `txtImage` (the
// image key as typed or chosen), `cmdBrowse`, `txtStartOffset`,
// `txtEndOffset` and `chkStretch`. The caption labels are the page's.
//
// Events:
//  - txtImage, txtStartOffset, txtEndOffset Change (the family
//    txt<E>Image_Change, txt<E>StartOffset_Change, txt<E>EndOffset_Change):
//    the marker is placed again unless a project is loading, then gModified
//    is set. Typing a path draws nothing: the marker follows the image drawn
//    last.
//  - cmdBrowse Click (cmd<E>Browse_Click): core::BrowseImage with the image
//    filter and the main window as owner, recording the width (the height on
//    a vertical preview); the path text's Change then places the marker.
//  - pic Click or DblClick, as designed (pic<E>Image_Click / _DblClick):
//    core::EditImage with the path text; ignored while the box is disabled.
//  - chkStretch Click (chk<E>Stretch_Click): sets gModified.
//
// Declaring (a tab image of the Tab Bar page):
//   MarkedImageEditor TabHover{&picTabHoverBase, [] {
//     ImageEditorDesign d = StandardImageDesign("TabHover");
//     d.preview.picName = "picTabHover";  ... rectangles ...
//     return d; }()};
struct ImageEditorDesign {
  MarkerPreviewDesign preview;
  std::string txtImageName;
  std::string cmdBrowseName;
  std::string txtStartOffsetName;
  std::string txtEndOffsetName;
  std::string chkStretchName;
  ui::Rect txtImage;
  ui::Rect cmdBrowse;
  ui::Rect txtStartOffset;
  ui::Rect txtEndOffset;
  ui::Rect chkStretch;
  // The image opens in the external editor on a double click of the
  // preview; otherwise on a single click.
  bool editOnDoubleClick = true;
  // The preview's own container when it is not the editor's (a base box).
  ui::Container* previewParent = nullptr;
};

// The names of element stem E: pic<E>Image, Shp<E>Offset, txt<E>Image,
// cmd<E>Browse, txt<E>StartOffset, txt<E>EndOffset, chk<E>Stretch; the
// rectangles are left for the page.
ImageEditorDesign StandardImageDesign(const std::string& stem);
// The same names, laid out as a tab's image on the base of its frame: the
// preview at 96, 1, 173 x previewHeight with its marker as designed, the
// path at 96, 40 with Browse, the offsets at 96 and 224 on row 70 with the
// stretch box.
ImageEditorDesign TabImageLayout(const std::string& stem, int previewHeight, ui::Rect marker, MarkerAxis axis);

class MarkedImageEditor {
 public:
  MarkedImageEditor(ui::Container* parent, const ImageEditorDesign& design);

  OffsetMarkerPreview preview;
  ui::PictureBox& pic = preview.pic;
  ui::Shape& shp = preview.shp;
  ui::TextBox txtImage;
  ui::CommandButton cmdBrowse;
  ui::TextBox txtStartOffset;
  ui::TextBox txtEndOffset;
  ui::CheckBox chkStretch;

  // The marker from the two offset texts (UpdateOffsetMarker).
  void UpdateOffsetMarker();
  // Fills the editor from image key `key` of [section] in gSkinIni while a
  // project loads: the path, the offsets from key.StartOffset and
  // key.EndOffset, the stretch flag from key.Stretch (cleared when it is
  // missing or not a whole number); then the image is drawn into the
  // emptied preview and the marker placed.
  void LoadKeys(const std::string& section, const std::string& key);
  // Stores the path text as image key `key` of [section] in gSkinIni
  // (core::StoreImageKey): an image from outside the project is copied to
  // the key's current value, or to subFolder\defaultFile while it has
  // none (to a free name where another key names that file), and the path
  // text then shows that project-relative value. The result tells the page
  // whether a copy failed.
  core::ImageKeyResult StoreImage(const std::string& section, const std::string& key,
                                  const std::string& subFolder, const std::string& defaultFile);

  void txtImage_Change();
  void txtOffset_Change();
  void cmdBrowse_Click();
  void pic_Edit();
  void chkStretch_Click();

  void AddNames(ControlNames& names);

 private:
  std::string txtImageName_;
  std::string cmdBrowseName_;
  std::string txtStartOffsetName_;
  std::string txtEndOffsetName_;
  std::string chkStretchName_;
};

// ---------------------------------------------------------------------------
// TabImageEditor
//
// A tab image with its outer extents and its padding (a PaddingQuad: top,
// right, bottom, left), for the element stem E:
//   fra<E>                 the frame (361 x 182 as designed)
//   pic<E>Base             filling it at 3, 16, 353 x 159; holds the rest
//     image: pic<E>Image 96, 1, 173 wide with Shp<E>Offset; txt<E>Image
//     96, 40; cmd<E>Browse 273, 39; txt<E>StartOffset 96, 70;
//     txt<E>EndOffset 224, 70; chk<E>Stretch 273, 72
//     txt<E>StartOut 96, 100; txt<E>EndOut 224, 100
//     txt<E>PaddingTop, Right, Bottom, Left 96, 160, 224, 288 on row 130
// The caption labels are the page's, at the k...Label rectangles below.
//
// Events: the image's (MarkedImageEditor); a Change of an out or a padding
// box sets gModified.
//
// Keys of [section] under a prefix (Tab.Normal): .Image,
// .Image.StartOffset, .Image.EndOffset, .StartOut, .EndOut,
// .Image.Stretch, .Padding.
//
// Declaring (the Side Bar's inactive tab):
//   TabImageEditor SideBarTabNormal{&picTabs(7), {"SideBarTabNormal",
//       "Inactive Tab", {392, 88, 361, 182}, 36, {-2, 0, 177, 17}, MarkerAxis::Vertical}};
struct TabImageDesign {
  std::string stem;          // "SideBarTabNormal"
  std::string frameCaption;  // "Inactive Tab"
  ui::Rect frame;            // left, top, 361 x 182
  int previewHeight = 38;
  ui::Rect marker{0, -2, 40, 44};
  MarkerAxis axis = MarkerAxis::Horizontal;
};

class TabImageEditor {
 public:
  // Caption labels that pages lay onto picBase.
  static constexpr ui::Rect kImageLabel{8, 13, 81, 17};
  static constexpr ui::Rect kFileLabel{8, 43, 81, 17};
  static constexpr ui::Rect kStartOffsetLabel{8, 73, 81, 17};
  static constexpr ui::Rect kEndOffsetLabel{140, 73, 81, 17};
  static constexpr ui::Rect kStartOutLabel{8, 103, 81, 17};
  static constexpr ui::Rect kEndOutLabel{140, 103, 81, 17};
  static constexpr ui::Rect kPaddingLabel{8, 133, 65, 17};
  // The marks "(T)", "(R)", "(B)", "(L)" stand right-aligned before their
  // boxes: padding part i (0 top ... 3 left).
  static constexpr ui::Rect PaddingMark(int i) { return {69 + 64 * i, 133, 25, 17}; }

  TabImageEditor(ui::Container* parent, const TabImageDesign& design);

  ui::Frame fra;
  ui::PictureBox picBase;
  MarkedImageEditor image;
  ui::TextBox txtStartOut;
  ui::TextBox txtEndOut;
  ui::TextBox txtPaddingTop;
  ui::TextBox txtPaddingRight;
  ui::TextBox txtPaddingBottom;
  ui::TextBox txtPaddingLeft;

  // Fills the editor from gSkinIni while a project loads. An empty padding
  // puts "0" into the four boxes; otherwise the value is split at each
  // single blank (two blanks in a row make an empty part) and its parts
  // fill top, right, bottom, left, a box without a part being emptied.
  void Load(const std::string& section, const std::string& prefix);
  // Writes the keys in the order offsets, outs, stretch, image, padding.
  // The padding is the four trimmed texts joined by single blanks; "0 0 0 0"
  // is left absent where the key has no value yet, and written otherwise.
  core::ImageKeyResult Save(const std::string& section, const std::string& prefix, const std::string& subFolder,
                            const std::string& defaultFile);

  void AddNames(ControlNames& names);

 private:
  std::string stem_;
};

// ---------------------------------------------------------------------------
// BackgroundEditor
//
// One background element (BackgroundStyle): an image with offsets and a
// stretch flag, a two-colour gradient with a direction, or transparent.
//
// Owns, for the element stem E (names as the page's table gives them):
//   fra<E>                      the frame (361 x 152 as designed)
//   pic<E>ImageBase             image group at 3, 48, 353 x 97, above the
//                               colour group; shown for the image style,
//                               hidden for the gradient style
//     image: pic<E>Image 96, 1, 173 x 36 with Shp<E>Offset; txt<E>Image
//     96, 38; cmd<E>Browse 273, 37; txt<E>StartOffset 96, 68;
//     txt<E>EndOffset 224, 68; chk<E>Stretch 273, 70
//   pic<E>Base                  colour group at 3, 16, 353 x (121 or 129)
//     cbo<E>Style 96, 9, 249 x 23 (0 image, 1 gradient, 2 transparent)
//     StartColor: txt<E>StartColor 96, 40 with lbl<E>StartColorPalette 252, 40
//     EndColor: txt<E>EndColor 96, 70 with lbl<E>EndColorPalette 252, 70
//     pic<E>Gradient 292, 40, 52 x 52
//     chk<E>GradientHorizontal 8, 102, 233 x 17 (value 1 = vertical)
// The caption labels (Style, Start Color, End Color, Image, File, Start
// Offset, End Offset) are the page's: it lays them onto picBase and
// picImageBase at the k...Label rectangles below.
//
// Events (the handlers of every element, written once):
//  - cbo<E>Style_Click: sets gModified; item 2 (transparent) disables the
//    eleven editing controls (SetElementControlsEnabled) and changes nothing
//    else; any other item enables them, then item 1 hides the image group
//    and item 0 shows it and, where designed so, turns empty offset texts
//    into "0". The group follows the selected item, so picking the item
//    already selected never puts it out of step.
//  - txt<E>StartColor_Change, txt<E>EndColor_Change: UpdateGradientPreview
//    unless a project is loading; gModified.
//  - lbl<E>StartColorPalette_Click, lbl<E>EndColorPalette_Click: ColorRow.
//  - chk<E>GradientHorizontal_Click: UpdateGradientPreview, also while a
//    project loads; gModified.
//  - the image controls' events: MarkedImageEditor.
//
// Load and save of one element's keys, in [keys.section] under a prefix:
// `.Style`, `.Fill.ColorStart`, `.Fill.ColorEnd`, `.Fill.Angle`, `.Image`,
// `.Image.stretch`, `.Image.StartOffset`, `.Image.EndOffset`. Load reads the
// read prefix after the duplicate Style clean-up; Save writes the write
// prefix and stores the image through the image key rules.
//
// Declaring (the Backgrounds page):
//   BackgroundEditor MenuBkgnd{&picTabs(0), design};  // design: see
//   BackgroundEditorDesign; the page's element table fills it.
struct BackgroundKeys {
  std::string section;      // "Backgrounds"
  std::string readPrefix;   // "Menu"
  std::string writePrefix;  // the same unless the element writes elsewhere
  // The style when the key is missing or empty: "3Image" or "transparent".
  std::string defaultStyle = "3Image";
  // Where an image chosen from outside the project is copied while the key
  // has no value: subFolder\defaultFile.
  std::string subFolder = "control";
  std::string defaultFile;
  // Passes of the duplicate Style clean-up before the style is read.
  int cleanupPasses = 2;
  // The direction check box maps inversely: checked reads and writes "0",
  // clear "90" (the Side Bar's tab background).
  bool invertAngle = false;
  // A gradient save leaves the `.Image` key in the file (the Tab Bar's
  // backgrounds); otherwise it is deleted with the other image keys.
  bool keepImageKeyForGradient = false;
  // The stretch key as written (read without regard to case).
  std::string stretchSuffix = ".Image.stretch";
};

struct BackgroundEditorDesign {
  std::string stem;          // "MenuBkgnd": the names of every control
  std::string frameCaption;  // "Menu Background"
  ui::Rect frame;            // left, top, 361 x 152
  // The colour group's name when it is not pic<E>Base (a member of a panel
  // array, such as "picBkgndBase(2)"), and its height.
  std::string colourGroupName;
  int colourGroupHeight = 121;
  // The marker as designed inside the 173 x 36 image box, and the axis.
  ui::Rect marker{0, -2, 33, 40};
  MarkerAxis axis = MarkerAxis::Horizontal;
  // The style list has the transparent item (and the editor can be
  // disabled by it).
  bool transparentItem = false;
  // The image opens in the external editor on a double click; otherwise on
  // a single click.
  bool editOnDoubleClick = false;
  // Choosing the image style turns empty offset texts into "0".
  bool zeroEmptyOffsets = true;
  // The style items read "Use Image" and "Use Gradient" where the shared
  // caption texts are empty (no language file); otherwise they are empty.
  bool englishStyleItems = false;
  std::string gradientCheckCaption = "Use Vertical Gradient";
  BackgroundKeys keys;
};

class BackgroundEditor {
 public:
  // Caption labels that pages lay onto the two groups.
  static constexpr ui::Rect kStyleLabel{8, 13, 81, 17};
  static constexpr ui::Rect kStartColorLabel{8, 43, 81, 17};
  static constexpr ui::Rect kEndColorLabel{8, 73, 81, 17};
  static constexpr ui::Rect kImageLabel{8, 11, 81, 17};
  static constexpr ui::Rect kFileLabel{8, 41, 81, 17};
  static constexpr ui::Rect kStartOffsetLabel{8, 71, 81, 17};
  static constexpr ui::Rect kEndOffsetLabel{140, 71, 81, 17};

  BackgroundEditor(ui::Container* parent, const BackgroundEditorDesign& design);

  ui::Frame fra;
  ui::PictureBox picImageBase;
  MarkedImageEditor image;
  ui::PictureBox picBase;
  ui::ComboBox cboStyle;
  ColorRow StartColor;
  ColorRow EndColor;
  ui::PictureBox picGradient;
  ui::CheckBox chkGradientHorizontal;

  // The controls by their roles, as the page's table names them.
  ui::PictureBox& picImage = image.pic;
  ui::Shape& ShpOffset = image.shp;
  ui::TextBox& txtImage = image.txtImage;
  ui::CommandButton& cmdBrowse = image.cmdBrowse;
  ui::TextBox& txtStartOffset = image.txtStartOffset;
  ui::TextBox& txtEndOffset = image.txtEndOffset;
  ui::CheckBox& chkStretch = image.chkStretch;
  ui::TextBox& txtStartColor = StartColor.txt;
  ui::Label& lblStartColorPalette = StartColor.lblPalette;
  ui::TextBox& txtEndColor = EndColor.txt;
  ui::Label& lblEndColorPalette = EndColor.lblPalette;

  const BackgroundEditorDesign& Design() const { return design_; }

  // Fills the editor from gSkinIni while a project loads: the style items
  // when the list is empty, the duplicate Style clean-up, then the branch
  // of the stored style. The previews it leaves are its own: the gradient
  // for a gradient, the image and its marker for an image. The side the
  // style does not use is emptied, so nothing of a previously open project
  // stays in the editor.
  void Load();
  // Writes the element's keys into gSkinIni by the selected style, deleting
  // the keys the style does not use. An image from outside the project is
  // copied into it and its project-relative path shown in txtImage; the
  // result tells the page whether a copy failed.
  core::ImageKeyResult Save();

  // UpdateOffsetMarker: the marker from the recorded width and offsets.
  void UpdateOffsetMarker() { image.UpdateOffsetMarker(); }
  // UpdateGradientPreview: both swatches from their texts, then the
  // gradient over the whole preview, vertical when the check box is 1.
  void UpdateGradientPreview();
  // Enables or disables the eleven editing controls: the image box, path,
  // Browse, both offsets, stretch, both colour texts, both swatches and the
  // direction check box.
  void SetElementControlsEnabled(bool enabled);

  void cboStyle_Click();
  void chkGradientHorizontal_Click();
  void ColorText_Change();

  void AddNames(ControlNames& names);

 private:
  static ImageEditorDesign ImageGroupDesign(const BackgroundEditorDesign& design);
  void LoadTransparent();
  void LoadGradient();
  void LoadImage();
  std::string Read(const std::string& suffix, const std::string& def = "") const;
  void Write(const std::string& suffix, const std::optional<std::string>& value) const;

  BackgroundEditorDesign design_;
};

}  // namespace pages
