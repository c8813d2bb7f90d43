// Window commands.
#include "app/window_commands.h"

#include "app/link_control.h"
#include "app/link_opening.h"
#include "app/control_properties.h"
#include "app/message_box.h"
#include "app/window_description.h"

const std::string_view hotkeysText =
    "F3显示/隐藏界面\r\nF1取X、Y坐标\r\n定时点击功能关闭的时候按F4键就能关闭\r\n上键关闭锁定点击功能！"_gbk;
const std::string_view usageText =
    "用法：\r\n按F1键开启取鼠标横纵坐标功能。然后选好位置了，按F1键结束取坐标功能，X坐标和Y坐标就会显示在编辑框里"_gbk;

void onTopmostCheck() { setMainWindowAlwaysOnTop(checkedOf(Control::TopmostCheck) == 1 ? 1 : 0); }

void onScheduleAreaCheck() {
    setMainWindowHeight(checkedOf(Control::ScheduleAreaCheck) == 1 ? kMainWindow.expandedHeight
                                                                   : kMainWindow.height);
}

void toggleShowHide() { setMainWindowVisible(mainWindowVisible() == 1 ? 0 : 1); }

void onExitButton() { endProgram(0); }

void onHotkeysButton() { messageBox(Text(hotkeysText), boxStyle::Info); }

void onUsageButton() { messageBox(Text(usageText), boxStyle::Info); }

void openContactLink() { setContactLinkVisited(openLinkTarget(Text(kContactTarget))); }
