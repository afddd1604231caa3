// The printing subsystem's error boxes, owned by the main window.
#include "app/ErrorBoxes.h"
#include "resources/resource.h"
#include "tests/win/ConsoleFixture.h"

namespace {

TEST_F(ConsoleTest, ErrorBoxesShowTheirCaptionTextAndOwner) {
  StartConsole();
  HWND frame = Frame().m_hWnd;
  script_.Then([frame](HWND box) {
    EXPECT_EQ(CWnd::GetWindowText(box), "NFS Server Error");
    EXPECT_EQ(ModalScript::MessageText(box), "Out of memory.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), frame);
    ModalScript::Press(box, IDOK);
  });
  EXPECT_EQ(ShowServerError(nullptr, IDS_OUT_OF_MEMORY), IDS_OUT_OF_MEMORY);

  script_.Then([frame](HWND box) {
    EXPECT_EQ(CWnd::GetWindowText(box), "NFS Server Internal Error");
    EXPECT_EQ(ModalScript::MessageText(box),
              "NFS & Printer Server internal error #1005. Please call Norvo technical support.");
    EXPECT_EQ(GetWindow(box, GW_OWNER), frame);
    ModalScript::Press(box, IDOK);
  });
  EXPECT_EQ(ShowInternalError(1005), -1);
}

}  // namespace
