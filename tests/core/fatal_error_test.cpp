#include "core/fatal_error.h"

#include <gtest/gtest.h>

namespace folderlocker {
namespace {

TEST(FatalErrorTextTest, ShowsCodeAndMessageOnlyWhenGiven) {
  struct Case {
    int code;
    Text message;
    Text text;
  } cases[] = {
      {1, "数组成员引用下标超出定义范围",
       "运行时出错!\r\n\r\n错误代码：1\r\n\r\n错误信息：数组成员引用下标超出定义范围\r\n"},
      {0, "载入启动窗口失败", "运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {-7, "", "运行时出错!\r\n\r\n错误代码：-7\r\n\r\n"},
      {0, "", "运行时出错!\r\n\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FatalErrorText(c.code, c.message), c.text) << "code " << c.code;
  }
}

}  // namespace
}  // namespace folderlocker
