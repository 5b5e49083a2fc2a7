#include "pages/element_editors.h"

#include <cmath>
#include <limits>

#include "core/colors.h"
#include "core/files.h"
#include "core/gdiplus_images.h"
#include "core/globals.h"
#include "core/ini.h"
#include "core/numbers.h"
#include "core/paths.h"

namespace pages {

using namespace core;

namespace {

// A pixel value of the marker rule, rounded to the nearest whole number (a
// half away from zero); nullopt when that does not fit an int.
std::optional<int> WholePixels(double value) {
  double rounded = std::round(value);
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max()))
    return std::nullopt;
  return static_cast<int>(rounded);
}

// Every frame, group, label and check box of the editors lies on the
// window colour.
template <class C>
C& OnWindowColour(C& control) {
  control.SetBackColor(ui::kSysWindow);
  return control;
}

}  // namespace

// ---------------------------------------------------------------- rules

bool SetCheckFromText(ui::CheckBox& box, const std::string& stored) {
  std::optional<double> value = NumericValue(stored);
  if (!value || *value != std::trunc(*value)) return false;
  if (*value < ui::CheckBox::kUnchecked || *value > ui::CheckBox::kGrayed) return false;
  box.SetValue(static_cast<int>(*value));
  return true;
}

void LoadCheckFromText(ui::CheckBox& box, const std::string& stored) {
  if (!SetCheckFromText(box, stored)) box.SetValue(ui::CheckBox::kUnchecked);
}

void PaintOnWindowColour(ui::Container& container) {
  if (auto* control = dynamic_cast<ui::Control*>(&container)) control->SetBackColor(ui::kSysWindow);
  for (ui::Control* child : container.Children()) {
    if (auto* inner = dynamic_cast<ui::Container*>(child)) {
      PaintOnWindowColour(*inner);
    } else if (dynamic_cast<ui::Label*>(child) || dynamic_cast<ui::CheckBox*>(child) ||
               dynamic_cast<ui::CommandButton*>(child)) {
      child->SetBackColor(ui::kSysWindow);
    }
  }
}

void ShowLoadedImage(ui::PictureBox& picture, const std::string& path, bool recordHeight) {
  picture.Cls();
  picture.SetHelpContextID(0);
  LoadImageToPicture(path, picture, -1, recordHeight);
}

bool PassesColourTextTest(const std::string& text) {
  if (!text.empty() && text[0] == '#' && (text.size() == 7 || text.size() == 4)) return true;
  return text.size() >= 3 && ToLower(text.substr(0, 3)) == "rgb";
}

void CleanUpDuplicateKey(const std::string& section, const std::string& key, int passes) {
  // Without the load's scratch copy there is nothing to tell duplicates by
  // (and no file should be made in its place).
  if (gTempIni.empty() || !gFileSystem.FileExists(gTempIni)) return;
  for (int pass = 0; pass < passes; ++pass) {
    // Only a delete that took effect in the copy tells whether another
    // line of the key is left.
    if (!WriteIni(gTempIni, section, key, std::nullopt)) return;
    if (ReadIni(gTempIni, section, key, "").empty()) return;
    WriteIni(gSkinIni, section, key, std::nullopt);
  }
}

// ---------------------------------------------------------------- ControlNames

void ControlNames::Add(const std::string& name, ui::Control& control) { controls_[ToLower(name)] = &control; }

void ControlNames::Add(const std::string& name, ui::Graphic& graphic) { graphics_[ToLower(name)] = &graphic; }

ui::Control* ControlNames::Find(const std::string& name) const {
  auto it = controls_.find(ToLower(name));
  return it == controls_.end() ? nullptr : it->second;
}

ui::Graphic* ControlNames::FindGraphic(const std::string& name) const {
  auto it = graphics_.find(ToLower(name));
  return it == graphics_.end() ? nullptr : it->second;
}

// ---------------------------------------------------------------- OffsetMarkerPreview

OffsetMarkerPreview::OffsetMarkerPreview(ui::Container* parent, const MarkerPreviewDesign& design)
    : pic(parent, design.box, ui::PictureBox::kNoBorder, ui::kSysWindow),
      shp(&pic, design.marker, ui::kSysHighlight, 1, false),
      axis_(design.axis),
      designedMarker_(design.marker),
      picName_(design.picName),
      shpName_(design.shpName) {}

int OffsetMarkerPreview::RecordedExtent() const { return LoWord(pic.HelpContextID()); }

void OffsetMarkerPreview::ShowImage(const std::string& path) { LoadImageToPicture(path, pic, -1, RecordsHeight()); }

void OffsetMarkerPreview::Clear() {
  pic.Cls();
  pic.SetHelpContextID(0);
  const ui::Rect& r = designedMarker_;
  shp.Move(r.left, r.top, r.width, r.height);
  shp.SetVisible(false);
  emptied_ = true;
}

void OffsetMarkerPreview::UpdateMarker(const std::string& startText, const std::string& endText) {
  bool vertical = RecordsHeight();
  int h = RecordedExtent();
  int box = vertical ? pic.Height() : pic.Width();
  int m = (box - h) / 2;  // truncated toward zero
  if (m < 0) m = 0;
  // Over a box that a load emptied there is nothing to mark until an image
  // is drawn again (Browse draws without ShowImage: the extent tells).
  if (h > 0) emptied_ = false;
  shp.SetVisible(!emptied_);

  std::optional<double> start = NumericValue(startText);
  if (!start) return;
  if (std::optional<int> first = WholePixels(*start + m - 1)) {
    if (vertical)
      shp.SetTop(*first);
    else
      shp.SetLeft(*first);
  }

  std::optional<double> end = NumericValue(endText);
  if (!end) return;
  double extent = h - *start - *end + 2;
  if (extent < 0) return;
  std::optional<int> size = WholePixels(extent);
  if (!size) return;
  if (vertical)
    shp.SetHeight(*size);
  else
    shp.SetWidth(*size);
}

void OffsetMarkerPreview::AddNames(ControlNames& names) {
  names.Add(picName_, pic);
  names.Add(shpName_, shp);
}

// ---------------------------------------------------------------- ColorRow

ColorRow::ColorRow(ui::Container* parent, const ColorRowDesign& design)
    : txt(parent, design.txt),
      lblPalette(parent, design.swatch),
      colourTextTest_(design.colourTextTest),
      pickTintsText_(design.pickTintsText),
      txtName_(design.txtName),
      lblName_(design.lblName) {
  lblPalette.AddStyle(WS_BORDER);
  lblPalette.SetBackColor(design.swatchColor);
  lblPalette.Click = [this] { lblPalette_Click(); };
  txt.Change = [this] { txt_Change(); };
}

int32_t ColorRow::Colour() const { return static_cast<int32_t>(ui::ResolveColor(lblPalette.BackColor())); }

void ColorRow::SetColour(int32_t colour) { lblPalette.SetBackColor(static_cast<ui::Color>(colour) & 0xFFFFFF); }

void ColorRow::ShowTextColour() {
  std::string text = txt.Text();
  SetColour(text.empty() ? static_cast<int32_t>(gWindowColor) : ParseColor(text));
}

void ColorRow::lblPalette_Click() {
  if (!lblPalette.Enabled()) return;
  int32_t chosen = PickColor(Colour());
  if (chosen <= -1) return;
  SetColour(chosen);
  if (pickTintsText_) txt.SetForeColor(static_cast<ui::Color>(chosen) & 0xFFFFFF);
  txt.SetText(ColorToHex(Colour()));
}

void ColorRow::txt_Change() {
  gModified = true;
  if (colourTextTest_) {
    std::string text = txt.Text();
    if (PassesColourTextTest(text)) SetColour(ParseColor(text));
  }
  if (Changed) Changed();
}

void ColorRow::AddNames(ControlNames& names) {
  names.Add(txtName_, txt);
  names.Add(lblName_, lblPalette);
}

// ---------------------------------------------------------------- MarkedImageEditor

ImageEditorDesign StandardImageDesign(const std::string& stem) {
  ImageEditorDesign d;
  d.preview.picName = "pic" + stem + "Image";
  d.preview.shpName = "Shp" + stem + "Offset";
  d.txtImageName = "txt" + stem + "Image";
  d.cmdBrowseName = "cmd" + stem + "Browse";
  d.txtStartOffsetName = "txt" + stem + "StartOffset";
  d.txtEndOffsetName = "txt" + stem + "EndOffset";
  d.chkStretchName = "chk" + stem + "Stretch";
  return d;
}

ImageEditorDesign TabImageLayout(const std::string& stem, int previewHeight, ui::Rect marker, MarkerAxis axis) {
  ImageEditorDesign d = StandardImageDesign(stem);
  d.preview.box = {96, 1, 173, previewHeight};
  d.preview.marker = marker;
  d.preview.axis = axis;
  d.txtImage = {96, 40, 173, 22};
  d.cmdBrowse = {273, 39, 73, 24};
  d.txtStartOffset = {96, 70, 33, 22};
  d.txtEndOffset = {224, 70, 33, 22};
  d.chkStretch = {273, 72, 81, 17};
  return d;
}

MarkedImageEditor::MarkedImageEditor(ui::Container* parent, const ImageEditorDesign& design)
    : preview(design.previewParent ? design.previewParent : parent, design.preview),
      txtImage(parent, design.txtImage),
      cmdBrowse(parent, design.cmdBrowse, "Browse..."),
      txtStartOffset(parent, design.txtStartOffset),
      txtEndOffset(parent, design.txtEndOffset),
      chkStretch(parent, design.chkStretch, "Stretch"),
      txtImageName_(design.txtImageName),
      cmdBrowseName_(design.cmdBrowseName),
      txtStartOffsetName_(design.txtStartOffsetName),
      txtEndOffsetName_(design.txtEndOffsetName),
      chkStretchName_(design.chkStretchName) {
  OnWindowColour(chkStretch);
  txtImage.Change = [this] { txtImage_Change(); };
  txtStartOffset.Change = [this] { txtOffset_Change(); };
  txtEndOffset.Change = [this] { txtOffset_Change(); };
  cmdBrowse.Click = [this] { cmdBrowse_Click(); };
  if (design.editOnDoubleClick)
    pic.DblClick = [this] { pic_Edit(); };
  else
    pic.Click = [this] { pic_Edit(); };
  chkStretch.Click = [this] { chkStretch_Click(); };
}

void MarkedImageEditor::UpdateOffsetMarker() { preview.UpdateMarker(txtStartOffset.Text(), txtEndOffset.Text()); }

void MarkedImageEditor::LoadKeys(const std::string& section, const std::string& key) {
  txtImage.SetText(ReadIni(gSkinIni, section, key));
  txtStartOffset.SetText(ReadIni(gSkinIni, section, key + ".StartOffset"));
  txtEndOffset.SetText(ReadIni(gSkinIni, section, key + ".EndOffset"));
  LoadCheckFromText(chkStretch, ReadIni(gSkinIni, section, key + ".Stretch"));
  preview.Clear();
  preview.ShowImage(txtImage.Text());
  UpdateOffsetMarker();
}

ImageKeyResult MarkedImageEditor::StoreImage(const std::string& section, const std::string& key,
                                             const std::string& subFolder, const std::string& defaultFile) {
  ImageKeyResult result = StoreImageKey(gSkinIni, section, key, txtImage.Text(), subFolder, defaultFile);
  ShowCopiedName(txtImage, result);
  return result;
}

void MarkedImageEditor::txtImage_Change() {
  if (!gLoadingProject) UpdateOffsetMarker();
  gModified = true;
}

void MarkedImageEditor::txtOffset_Change() {
  if (!gLoadingProject) UpdateOffsetMarker();
  gModified = true;
}

void MarkedImageEditor::cmdBrowse_Click() {
  BrowseImage(txtImage, pic, kImageFilter, nullptr, preview.RecordsHeight());
}

void MarkedImageEditor::pic_Edit() {
  if (!pic.Enabled()) return;
  EditImage(txtImage.Text());
}

void MarkedImageEditor::chkStretch_Click() { gModified = true; }

void MarkedImageEditor::AddNames(ControlNames& names) {
  preview.AddNames(names);
  names.Add(txtImageName_, txtImage);
  names.Add(cmdBrowseName_, cmdBrowse);
  names.Add(txtStartOffsetName_, txtStartOffset);
  names.Add(txtEndOffsetName_, txtEndOffset);
  names.Add(chkStretchName_, chkStretch);
}

// ---------------------------------------------------------------- TabImageEditor

TabImageEditor::TabImageEditor(ui::Container* parent, const TabImageDesign& design)
    : fra(parent, design.frame, design.frameCaption),
      picBase(&fra, {3, 16, 353, design.frame.height - 23}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      image(&picBase, TabImageLayout(design.stem, design.previewHeight, design.marker, design.axis)),
      txtStartOut(&picBase, {96, 100, 33, 22}),
      txtEndOut(&picBase, {224, 100, 33, 22}),
      txtPaddingTop(&picBase, {96, 130, 33, 22}),
      txtPaddingRight(&picBase, {160, 130, 33, 22}),
      txtPaddingBottom(&picBase, {224, 130, 33, 22}),
      txtPaddingLeft(&picBase, {288, 130, 33, 22}),
      stem_(design.stem) {
  OnWindowColour(fra);
  for (ui::TextBox* box :
       {&txtStartOut, &txtEndOut, &txtPaddingTop, &txtPaddingRight, &txtPaddingBottom, &txtPaddingLeft})
    box->Change = [] { gModified = true; };
}

void TabImageEditor::Load(const std::string& section, const std::string& prefix) {
  image.LoadKeys(section, prefix + ".Image");
  txtStartOut.SetText(ReadIni(gSkinIni, section, prefix + ".StartOut"));
  txtEndOut.SetText(ReadIni(gSkinIni, section, prefix + ".EndOut"));
  std::string padding = ReadIni(gSkinIni, section, prefix + ".Padding");
  std::vector<std::string> parts = padding.empty() ? std::vector<std::string>(4, "0") : Split(padding, " ");
  ui::TextBox* boxes[] = {&txtPaddingTop, &txtPaddingRight, &txtPaddingBottom, &txtPaddingLeft};
  for (size_t i = 0; i < 4; ++i) boxes[i]->SetText(i < parts.size() ? parts[i] : "");
}

ImageKeyResult TabImageEditor::Save(const std::string& section, const std::string& prefix,
                                    const std::string& subFolder, const std::string& defaultFile) {
  auto write = [&section, &prefix](const std::string& suffix, const std::optional<std::string>& value) {
    WriteIni(gSkinIni, section, prefix + suffix, value);
  };
  write(".Image.StartOffset", image.txtStartOffset.Text());
  write(".Image.EndOffset", image.txtEndOffset.Text());
  write(".StartOut", txtStartOut.Text());
  write(".EndOut", txtEndOut.Text());
  write(".Image.Stretch", std::to_string(image.chkStretch.Value()));
  ImageKeyResult result = image.StoreImage(section, prefix + ".Image", subFolder, defaultFile);
  std::string parts[] = {Trimmed(txtPaddingTop.Text()), Trimmed(txtPaddingRight.Text()),
                         Trimmed(txtPaddingBottom.Text()), Trimmed(txtPaddingLeft.Text())};
  // A leading blank is lost on reading the value back: empty boxes before
  // the first filled one are written as "0", so that every value comes back
  // into its own box.
  size_t firstFilled = 0;
  while (firstFilled < 4 && parts[firstFilled].empty()) ++firstFilled;
  std::string padding;
  for (size_t i = 0; i < 4; ++i) {
    if (i) padding += ' ';
    padding += i < firstFilled && firstFilled < 4 ? "0" : parts[i].c_str();
  }
  // No padding stored and none given: the key stays absent.
  if (padding == "0 0 0 0" && ReadIni(gSkinIni, section, prefix + ".Padding").empty())
    write(".Padding", std::nullopt);
  else
    write(".Padding", padding);
  return result;
}

void TabImageEditor::AddNames(ControlNames& names) {
  const std::string& e = stem_;
  names.Add("fra" + e, fra);
  names.Add("pic" + e + "Base", picBase);
  image.AddNames(names);
  names.Add("txt" + e + "StartOut", txtStartOut);
  names.Add("txt" + e + "EndOut", txtEndOut);
  names.Add("txt" + e + "PaddingTop", txtPaddingTop);
  names.Add("txt" + e + "PaddingRight", txtPaddingRight);
  names.Add("txt" + e + "PaddingBottom", txtPaddingBottom);
  names.Add("txt" + e + "PaddingLeft", txtPaddingLeft);
}

// ---------------------------------------------------------------- BackgroundEditor

ImageEditorDesign BackgroundEditor::ImageGroupDesign(const BackgroundEditorDesign& design) {
  ImageEditorDesign d = StandardImageDesign(design.stem);
  d.preview.box = {96, 1, 173, 36};
  d.preview.marker = design.marker;
  d.preview.axis = design.axis;
  d.txtImage = {96, 38, 173, 22};
  d.cmdBrowse = {273, 37, 73, 24};
  d.txtStartOffset = {96, 68, 33, 22};
  d.txtEndOffset = {224, 68, 33, 22};
  d.chkStretch = {273, 70, 73, 17};
  d.editOnDoubleClick = design.editOnDoubleClick;
  return d;
}

BackgroundEditor::BackgroundEditor(ui::Container* parent, const BackgroundEditorDesign& design)
    : fra(parent, design.frame, design.frameCaption),
      // Declared before the colour group, so that it lies above it.
      picImageBase(&fra, {3, 48, 353, 97}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      image(&picImageBase, ImageGroupDesign(design)),
      picBase(&fra, {3, 16, 353, design.colourGroupHeight}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      cboStyle(&picBase, {96, 9, 249, 23}, ui::ComboBox::kDropdownList),
      StartColor(&picBase, {"txt" + design.stem + "StartColor", "lbl" + design.stem + "StartColorPalette",
                            {96, 40, 149, 22}, {252, 40, 33, 23}}),
      EndColor(&picBase, {"txt" + design.stem + "EndColor", "lbl" + design.stem + "EndColorPalette",
                          {96, 70, 149, 22}, {252, 70, 33, 23}}),
      picGradient(&picBase, {292, 40, 52, 52}, ui::PictureBox::kNoBorder, ui::kSysWindow),
      chkGradientHorizontal(&picBase, {8, 102, 233, 17}, design.gradientCheckCaption),
      design_(design) {
  OnWindowColour(fra);
  OnWindowColour(chkGradientHorizontal);
  if (design_.keys.writePrefix.empty()) design_.keys.writePrefix = design_.keys.readPrefix;
  cboStyle.Click = [this] { cboStyle_Click(); };
  StartColor.Changed = [this] { ColorText_Change(); };
  EndColor.Changed = [this] { ColorText_Change(); };
  chkGradientHorizontal.Click = [this] { chkGradientHorizontal_Click(); };
}

void BackgroundEditor::UpdateGradientPreview() {
  StartColor.ShowTextColour();
  EndColor.ShowTextColour();
  int mode = chkGradientHorizontal.Value() == ui::CheckBox::kChecked ? 1 : 0;
  DrawGradient(picGradient, StartColor.Colour(), EndColor.Colour(), mode, false);
}

void BackgroundEditor::SetElementControlsEnabled(bool enabled) {
  picImage.SetEnabled(enabled);
  txtImage.SetEnabled(enabled);
  cmdBrowse.SetEnabled(enabled);
  txtStartOffset.SetEnabled(enabled);
  txtEndOffset.SetEnabled(enabled);
  chkStretch.SetEnabled(enabled);
  txtStartColor.SetEnabled(enabled);
  txtEndColor.SetEnabled(enabled);
  lblStartColorPalette.SetEnabled(enabled);
  lblEndColorPalette.SetEnabled(enabled);
  chkGradientHorizontal.SetEnabled(enabled);
}

void BackgroundEditor::cboStyle_Click() {
  gModified = true;
  int item = cboStyle.ListIndex();
  if (item == 2) {
    // Transparent: nothing to edit, and nothing else changes.
    SetElementControlsEnabled(false);
    return;
  }
  SetElementControlsEnabled(true);
  if (item == 1) {
    picImageBase.SetVisible(false);
    return;
  }
  picImageBase.SetVisible(true);
  if (!design_.zeroEmptyOffsets) return;
  if (txtStartOffset.Text().empty()) txtStartOffset.SetText("0");
  if (txtEndOffset.Text().empty()) txtEndOffset.SetText("0");
}

void BackgroundEditor::chkGradientHorizontal_Click() {
  UpdateGradientPreview();
  gModified = true;
}

void BackgroundEditor::ColorText_Change() {
  // The row has set gModified already.
  if (!gLoadingProject) UpdateGradientPreview();
}

std::string BackgroundEditor::Read(const std::string& suffix, const std::string& def) const {
  return ReadIni(gSkinIni, design_.keys.section, design_.keys.readPrefix + suffix, def);
}

void BackgroundEditor::Write(const std::string& suffix, const std::optional<std::string>& value) const {
  WriteIni(gSkinIni, design_.keys.section, design_.keys.writePrefix + suffix, value);
}

void BackgroundEditor::Load() {
  const BackgroundKeys& keys = design_.keys;
  if (cboStyle.ListCount() == 0) {
    bool english = design_.englishStyleItems;
    cboStyle.AddItem(english && gTextUseImage.empty() ? "Use Image" : gTextUseImage);
    cboStyle.AddItem(english && gTextUseGradient.empty() ? "Use Gradient" : gTextUseGradient);
    if (design_.transparentItem) cboStyle.AddItem(gTextTransparent);
  }
  StartColor.SetColour(static_cast<int32_t>(gWindowColor));
  EndColor.SetColour(static_cast<int32_t>(gWindowColor));

  CleanUpDuplicateKey(keys.section, keys.readPrefix + ".Style", keys.cleanupPasses);
  std::string style = ToLower(Read(".Style", keys.defaultStyle));
  if (design_.transparentItem && style == "transparent")
    LoadTransparent();
  else if (style == "gfill")
    LoadGradient();
  else
    LoadImage();
}

void BackgroundEditor::LoadTransparent() {
  cboStyle.SetListIndex(2);
  txtStartColor.SetText("");
  txtEndColor.SetText("");
  picGradient.Cls();
  chkGradientHorizontal.SetValue(ui::CheckBox::kUnchecked);
  // The image side belongs to no style of this project: what an earlier
  // project left there goes.
  txtImage.SetText("");
  image.preview.Clear();
  chkStretch.SetValue(ui::CheckBox::kUnchecked);
  txtStartOffset.SetText("");
  txtEndOffset.SetText("");
}

void BackgroundEditor::LoadGradient() {
  cboStyle.SetListIndex(1);
  picImageBase.SetVisible(false);
  txtStartColor.SetText(Read(".Fill.ColorStart"));
  txtEndColor.SetText(Read(".Fill.ColorEnd"));
  bool ninety = Read(".Fill.Angle", "0") == "90";
  chkGradientHorizontal.SetValue(ninety != design_.keys.invertAngle ? ui::CheckBox::kChecked
                                                                     : ui::CheckBox::kUnchecked);
  UpdateGradientPreview();
  txtImage.SetText("");
  image.preview.Clear();
  chkStretch.SetValue(ui::CheckBox::kUnchecked);
  txtStartOffset.SetText("");
  txtEndOffset.SetText("");
}

void BackgroundEditor::LoadImage() {
  cboStyle.SetListIndex(0);
  picImageBase.SetVisible(true);
  txtImage.SetText(Read(".Image"));
  // An empty key draws nothing: the box must not keep an earlier image.
  image.preview.Clear();
  image.preview.ShowImage(txtImage.Text());
  LoadCheckFromText(chkStretch, Read(".Image.stretch", "0"));
  txtStartOffset.SetText(Read(".Image.StartOffset", "0"));
  txtEndOffset.SetText(Read(".Image.EndOffset", "0"));
  txtStartColor.SetText("");
  txtEndColor.SetText("");
  chkGradientHorizontal.SetValue(ui::CheckBox::kUnchecked);
  picGradient.Cls();
  StartColor.SetColour(static_cast<int32_t>(gWindowColor));
  EndColor.SetColour(static_cast<int32_t>(gWindowColor));
  UpdateOffsetMarker();
}

ImageKeyResult BackgroundEditor::Save() {
  const BackgroundKeys& keys = design_.keys;
  const std::nullopt_t deleted = std::nullopt;
  switch (cboStyle.ListIndex()) {
    case 2:
      Write(".Style", "Transparent");
      Write(keys.stretchSuffix, deleted);
      Write(".Image.StartOffset", deleted);
      Write(".Image.EndOffset", deleted);
      Write(".Fill.ColorStart", deleted);
      Write(".Fill.ColorEnd", deleted);
      Write(".Fill.Angle", deleted);
      Write(".Image", deleted);
      return {};
    case 1: {
      Write(".Style", "GFill");
      Write(".Fill.ColorStart", txtStartColor.Text());
      Write(".Fill.ColorEnd", txtEndColor.Text());
      bool checked = chkGradientHorizontal.Value() == ui::CheckBox::kChecked;
      Write(".Fill.Angle", checked != keys.invertAngle ? "90" : "0");
      Write(keys.stretchSuffix, deleted);
      Write(".Image.StartOffset", deleted);
      Write(".Image.EndOffset", deleted);
      if (!keys.keepImageKeyForGradient) Write(".Image", deleted);
      return {};
    }
    default: {
      Write(".Style", "3Image");
      Write(keys.stretchSuffix, std::to_string(chkStretch.Value()));
      Write(".Image.StartOffset", txtStartOffset.Text());
      Write(".Image.EndOffset", txtEndOffset.Text());
      ImageKeyResult result = image.StoreImage(keys.section, keys.writePrefix + ".Image", keys.subFolder,
                                               keys.defaultFile);
      Write(".Fill.ColorStart", deleted);
      Write(".Fill.ColorEnd", deleted);
      Write(".Fill.Angle", deleted);
      return result;
    }
  }
}

void BackgroundEditor::AddNames(ControlNames& names) {
  const std::string& e = design_.stem;
  names.Add("fra" + e, fra);
  names.Add("pic" + e + "ImageBase", picImageBase);
  image.AddNames(names);
  names.Add(design_.colourGroupName.empty() ? "pic" + e + "Base" : design_.colourGroupName, picBase);
  names.Add("cbo" + e + "Style", cboStyle);
  StartColor.AddNames(names);
  EndColor.AddNames(names);
  names.Add("pic" + e + "Gradient", picGradient);
  names.Add("chk" + e + "GradientHorizontal", chkGradientHorizontal);
}

}  // namespace pages
