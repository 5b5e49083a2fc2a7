#include "core/window_icons.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The icon the window holds of one size: its colour bitmap's size and the
// colour of its pixel (1, 1), which tells the two images of "AAA" apart
// (red in the 16-pixel image, green in the 32-pixel one).
struct IconLook {
  int width = 0;
  int height = 0;
  int red = 0;
  int green = 0;
  int blue = 0;
};

IconLook LookOf(HICON icon) {
  IconLook look;
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return look;
  BITMAP bm{};
  GetObjectA(info.hbmColor, sizeof bm, &bm);
  look.width = bm.bmWidth;
  look.height = bm.bmHeight;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = bm.bmWidth;
  bi.bmiHeader.biHeight = -bm.bmHeight;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  std::vector<uint32_t> pixels(static_cast<size_t>(bm.bmWidth) * static_cast<size_t>(bm.bmHeight));
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bm.bmHeight), pixels.data(), &bi, DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  uint32_t p = pixels.size() > static_cast<size_t>(bm.bmWidth) + 1 ? pixels[static_cast<size_t>(bm.bmWidth) + 1] : 0;
  look.red = static_cast<int>((p >> 16) & 0xFF);
  look.green = static_cast<int>((p >> 8) & 0xFF);
  look.blue = static_cast<int>(p & 0xFF);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return look;
}

HICON IconOf(HWND hwnd, WPARAM which) {
  return reinterpret_cast<HICON>(SendMessageA(hwnd, WM_GETICON, which, 0));
}

class WindowIconsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    topOwner = MakeWindow(nullptr);
    owner = MakeWindow(topOwner);
    window = MakeWindow(owner);
    ASSERT_EQ(GetWindow(window, GW_OWNER), owner);
    ASSERT_EQ(GetWindow(owner, GW_OWNER), topOwner);
  }
  void TearDown() override {
    DestroyWindow(window);
    DestroyWindow(owner);
    DestroyWindow(topOwner);
  }
  static HWND MakeWindow(HWND ownerWindow) {
    return CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, ownerWindow, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }
  HWND topOwner = nullptr;
  HWND owner = nullptr;
  HWND window = nullptr;
};

TEST_F(WindowIconsTest, TheWindowGetsBothImagesAtTheirOwnSizes) {
  ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);
  ASSERT_EQ(GetSystemMetrics(SM_CXSMICON), 16);
  core::SetWindowIcons(window, "AAA", false);

  IconLook big = LookOf(IconOf(window, ICON_BIG));
  EXPECT_EQ(big.width, 32);
  EXPECT_EQ(big.height, 32);
  EXPECT_GT(big.green, 200);
  EXPECT_LT(big.red, 60);
  EXPECT_LT(big.blue, 60);

  IconLook small = LookOf(IconOf(window, ICON_SMALL));
  EXPECT_EQ(small.width, 16);
  EXPECT_EQ(small.height, 16);
  EXPECT_GT(small.red, 200);
  EXPECT_LT(small.green, 60);
  EXPECT_LT(small.blue, 60);
}

TEST_F(WindowIconsTest, WithoutTheOwnerOptionTheOwnersAreLeftAlone) {
  core::SetWindowIcons(window, "AAA", false);
  EXPECT_NE(IconOf(window, ICON_BIG), nullptr);
  for (HWND h : {owner, topOwner}) {
    EXPECT_EQ(IconOf(h, ICON_BIG), nullptr);
    EXPECT_EQ(IconOf(h, ICON_SMALL), nullptr);
  }
}

TEST_F(WindowIconsTest, WithTheOwnerOptionTheTopOwnerGetsTheSameIcons) {
  core::SetWindowIcons(window, "AAA", true);
  EXPECT_NE(IconOf(window, ICON_BIG), nullptr);
  EXPECT_EQ(IconOf(topOwner, ICON_BIG), IconOf(window, ICON_BIG));
  EXPECT_EQ(IconOf(topOwner, ICON_SMALL), IconOf(window, ICON_SMALL));
  // Only the last of the chain: the owner in between keeps what it had.
  EXPECT_EQ(IconOf(owner, ICON_BIG), nullptr);
  EXPECT_EQ(IconOf(owner, ICON_SMALL), nullptr);
}

TEST_F(WindowIconsTest, AMissingIconGroupClearsTheIcons) {
  core::SetWindowIcons(window, "AAA", false);
  core::SetWindowIcons(window, "NoSuchIcon", false);
  EXPECT_EQ(IconOf(window, ICON_BIG), nullptr);
  EXPECT_EQ(IconOf(window, ICON_SMALL), nullptr);
}

}  // namespace
